#pragma once

#include "config/OutsidePicture.h"
#include "config/RecApp.h"
#include "host/LmMainWindowBase.h"
#include "host/RunContext.h"
#include "wizard/FeedbackReport.h"

#include <QDir>
#include <QMap>
#include <QStringList>
#include <QVector>

#include <memory>

class FileDeletionThread;
class PictureSnapshot;
class ProductCheck;
class QAbstractButton;
class QCheckBox;
class QMovie;
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
    explicit Uninstall(QWidget *parent = nullptr);
    ~Uninstall() override;

    QString textColor() const;
    void setTextColor(const QString &value);
    QString loadingLab() const;
    void setLoadingLab(const QString &value);
    QString textWeight() const;
    void setTextWeight(const QString &value);
    QString lineHeightProperty() const;
    void setLineHeight(const QString &value);
    int editTextHeightProperty() const;
    void setEditTextHeight(int value);

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
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void initData();
    void initUI();
    void initConnections();
    bool productClosed();
    void startUninstalling();
    void sendCancelEvent(int page, int inner);
    void afterUninstall();
    void toggleAnswerLine(QWidget *line, bool visible);
    QString finishText() const;
    void reserveFinishTextHeight();
    QAbstractButton *pageButton(bool forward) const;
    void focusPage();
    void updateContinueRule();
    void applyOfferImages(const QString &bannerName, const QString &promotionName);
    void keepPicturesInMemory();
    OutsidePicture::ShownSizes shownPictureSizes();
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
    QString m_bannerPath;
    QString m_promotionPath;
    std::unique_ptr<PictureSnapshot> m_pictures;

    // The reports and the running-product check live outside the window.
    FeedbackReport::Answers surveyAnswers() const;
    ReportDelivery *m_delivery = nullptr;
    ProductCheck *m_productCheck = nullptr;
};
