#pragma once

#include "config/OutsidePicture.h"
#include "config/RecApp.h"
#include "host/LmMainWindowBase.h"
#include "host/RunContext.h"
#include "wizard/OfferPictures.h"
#include "wizard/SkinValue.h"

#include <QDir>
#include <QMap>
#include <QStringList>
#include <QVector>

#include <memory>

class FileDeletionThread;
class PageFlow;
class ProductCheck;
class ProgressPage;
class QCheckBox;
class QMovie;
class ReasonSurvey;
class ReportDelivery;
class UninstallProfile;

namespace Ui {
class UnInstallWindow;
}

// Set by every path that leaves the wizard without completing the uninstall.
extern bool uninstallCancelled;

/// The wizard's main window: loading page, discount offer, reason survey, upgrade offer,
/// progress and finish page.
class Uninstall : public LmMainWindowBase
{
    Q_OBJECT
    Q_PROPERTY(QString textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QString loadingLab READ loadingLab WRITE setLoadingLab)
    Q_PROPERTY(QString textWeight READ textWeight WRITE setTextWeight)
    Q_PROPERTY(QString lineHeight READ lineHeightProperty WRITE setLineHeight)
    Q_PROPERTY(int editTextHeight READ editTextHeightProperty WRITE setEditTextHeight)

public:
    // The run the window works on: its installation root, language, test mode and addresses.
    explicit Uninstall(const RunContext &run, QWidget *parent = nullptr);
    explicit Uninstall(QWidget *parent = nullptr)
        : Uninstall(RunContext::fromHost(), parent)
    {}
    ~Uninstall() override;

    // The skin writes these values; only the answer lines' height reads back.
    QString textColor() const { return QString(); }
    void setTextColor(const QString &value)
    {
        SkinValue::bindList(textColors, value, QStringLiteral("bind TextColor:"));
    }
    QString loadingLab() const { return QString(); }
    void setLoadingLab(const QString &value)
    {
        SkinValue::bind(loadingGif, value, QStringLiteral("Uninstall bind LodingGif: "));
    }
    QString textWeight() const { return QString(); }
    void setTextWeight(const QString &value)
    {
        SkinValue::bindList(textWeights, value, QStringLiteral("bind TextWeight:"));
    }
    QString lineHeightProperty() const { return QString(); }
    void setLineHeight(const QString &value)
    {
        SkinValue::bind(lineHeight, value, QStringLiteral("bind lineHeight:"));
    }
    int editTextHeightProperty() const { return editTextHeight; }
    void setEditTextHeight(int value) { editTextHeight = value; }

protected slots:
    void changePage();
    void close();
    void updateBar(int value);
    void completeSlot();
    void showFinally();
    void onPurchaseDlgSlot();
    void onBtnContinueEnableSlot();
    void updateApp();
    void uninstallSkin(QString bannerName, QString promotionName);
    void recApp(QVector<RecApp> apps);
    void on_uninstallCause_slot(bool uninstallCuaseCheck,
                                QVector<QString> keys,
                                QMap<QString, QString> uninstallCause,
                                QString users);
    void uninstallCause();
    void loadFinishedSlot();
    void on_changeLanguage(int index);
    void loadDownLoadRes();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void initData();
    void initUI();
    void initConnections();
    bool productClosed();
    void startUninstalling();
    void afterUninstall();
    OutsidePicture::ShownSizes shownPictureSizes() { return m_offerPictures->shownSizes(); }
    void createUID();
    void sendFirstReport();

    const RunContext m_run;
    Ui::UnInstallWindow *ui = nullptr;
    FileDeletionThread *deletionThread = nullptr;
    UninstallProfile *profile = nullptr;
    QMovie *loadingMovie = nullptr;
    QVector<QCheckBox *> causeOptions;
    QStringList textWeights;
    QStringList textColors;
    QString lineHeight;
    QString causePlaceholder;
    qint32 editTextHeight = 0;
    QString loadingGif;
    QVector<RecApp> recApps;
    QMap<QString, QString> causeMap;
    QVector<QString> causeKeys;
    QString causeUsers;
    bool causeCheck = false;
    bool removalRefused = false;
    bool dragging = false;

    // The pages' parts, each looking after one concern of the window.
    void initSurveyAndFlow();
    void showRemoval();
    // A skin with fewer than three weights still gets a bold headline.
    QString headlineWeight() const { return textWeights.value(2, QStringLiteral("700")); }
    std::unique_ptr<OfferPictures> m_offerPictures;
    std::unique_ptr<ProgressPage> m_progress;
    ReasonSurvey *m_survey = nullptr;
    std::unique_ptr<PageFlow> m_flow;

    // The reports and the running-product check live outside the window.
    ReportDelivery *m_delivery = nullptr;
    ProductCheck *m_productCheck = nullptr;
};
