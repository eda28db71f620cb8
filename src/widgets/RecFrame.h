#pragma once

#include <QFrame>
#include <QPalette>
#include <QSize>

namespace Ui {
class RecFrame;
}

/// One tile of the recommended-apps carousel: background, icon, name and a "Learn More" button.
class RecFrame : public QFrame
{
    Q_OBJECT

public:
    explicit RecFrame(QWidget *parent = nullptr);
    ~RecFrame() override;

    void setBackground(const QString &path);
    QPalette getFrameBackground(const QString &path);
    void setIcon(const QString &path);
    void setBtnUrl(const QString &url);
    void setName(const QString &name);
    void setButtonText(const QString &text);

    // Factor from the pictures' drawn size to the screen: the system zoom, or 1 when the
    // product keeps its tiles at their drawn size ("NoUserDpiChange" = 1).
    static double dpiScale();
    // The icon box of a tile on screen: the tile's icon is shown at half its pixel size, times
    // dpiScale, and at most this large.
    static QSize shownIconSize();

private:
    Ui::RecFrame *ui;
    QSize frameSize{-1, -1};
};
