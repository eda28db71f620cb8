#pragma once

#include "config/OutsidePicture.h"

#include <QString>

#include <memory>

class PictureSnapshot;
class QWidget;
struct RunContext;

namespace Ui {
class UnInstallWindow;
}

/// The discount banner and the promotion picture: which files they come from, and copies in
/// memory of everything the window's style sheets can name once the removal is under way.
class OfferPictures
{
public:
    struct Files
    {
        QString banner;
        QString promotion;
    };

    OfferPictures(QWidget *window, Ui::UnInstallWindow &ui);
    ~OfferPictures();

    // The skin sizes the offer pictures' widgets, within the window.
    OutsidePicture::ShownSizes shownSizes() const;
    // The downloaded pictures in the run's language, else the installed defaults.
    static Files chosen(const RunContext &run);
    void show(const Files &files);
    // Style sheets load their pictures when a widget is first drawn in a state (a hover, a page
    // shown later), so everything they can name is copied into memory before the removal
    // starts. The tiles of the carousel already hold their pictures.
    void keepInMemory();
    // Once the removal is under way the installed pictures may be gone: what shows stays.
    bool keptInMemory() const;

private:
    void apply(const Files &files);

    QWidget *m_window;
    Ui::UnInstallWindow &m_ui;
    Files m_files;
    std::unique_ptr<PictureSnapshot> m_pictures;
};
