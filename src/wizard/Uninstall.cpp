#include "wizard/Uninstall.h"
#include "ui_Uninstall.h"

#include "checkclose/CheckCloseDlg.h"
#include "config/BoundedReply.h"
#include "config/UninstallProfile.h"
#include "host/Framework.h"
#include "host/LMGA.h"
#include "host/LmInstallInfo.h"
#include "host/LmProductCommonInfo.h"
#include "host/LmSettings.h"
#include "host/LmSingleInstance.h"
#include "host/Utility.h"
#include "removal/FileDeletionThread.h"
#include "wizard/FeedbackReport.h"
#include "wizard/LoadingAnimation.h"
#include "wizard/PageFlow.h"
#include "wizard/ProgressPage.h"
#include "wizard/ReasonSurvey.h"
#include "wizard/UserIdentifier.h"
#include "wizard/WindowTexts.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QLocale>
#include <QMouseEvent>
#include <QMovie>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QProcess>
#include <QTimer>
#include <QUrl>

bool uninstallCancelled = false;

namespace {

void sendEvent(const QString &action, const QString &label)
{
    LMGA::instance()->CEIP(QStringLiteral("uninstall"), action, LMGA::Event, label, 0);
}

bool anyReasonShown(const QVector<QCheckBox *> &boxes)
{
    return std::any_of(boxes.cbegin(), boxes.cend(), [](const QCheckBox *box) {
        return !box->isHidden();
    });
}

} // namespace

Uninstall::Uninstall(const RunContext &run, QWidget *parent)
    : LmMainWindowBase(parent, {})
    , m_run(run)
{
    Log("debug", 1, QStringLiteral("Uninstall inint start!"));
    ui = new Ui::UnInstallWindow;
    ui->setupUi(this);
    ensurePolished();
    initData();
    initUI();
    initConnections();
    Log("debug", 1, QStringLiteral("Uninstall inint ending!"));
    postCreateDerivedMainWindow(false, true, nullptr);
    sendEvent(QStringLiteral("uninstall_init"), QStringLiteral("init_success"));
}

Uninstall::~Uninstall()
{
    Log("debug", 1, QStringLiteral("Uninstall ~Uninstall"));
    delete retryTimer;
    delete quitTimer;
    delete loadingMovie;
    if (deletionThread) {
        // The loop can end while files are still being removed (closed from the progress page).
        deletionThread->wait();
        delete deletionThread;
    }
    // The host process goes on after the wizard returns: the loader's worker thread and
    // network managers must not outlive the application object.
    delete profile;
    delete ui;
}

void Uninstall::initData()
{
    Log("debug", 1, QStringLiteral("Uninstall initData run!"));
    Log("debug",
        1,
        QStringLiteral("Uninstall initData app dir: ") + m_run.installRoot.absolutePath());
    deletionThread = new FileDeletionThread(m_run.installRoot);

    ui->purchaseImg->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_offerPictures = std::make_unique<OfferPictures>(this, *ui);

    loadingMovie = LoadingAnimation::start(loadingGif, ui->loadingLab);

    Log("debug", 1, QStringLiteral("Uninstall initData createUID"));
    createUID();

    profile = new UninstallProfile(nullptr, shownPictureSizes());
}

void Uninstall::initUI()
{
    WindowTexts::fillForm(*ui, m_run.productName, lineHeight, textWeights, textColors);
    m_progress = std::make_unique<ProgressPage>(*ui, QLocale(m_run.language), m_run.testMode);
    causePlaceholder = ui->causeEdit->placeholderText();
    ui->changeLangFrame->setVisible(m_run.testMode);
}

void Uninstall::initConnections()
{
    connect(profile, &UninstallProfile::downLoadResEmit, this, &Uninstall::loadDownLoadRes);
    connect(profile, &UninstallProfile::recAppEmit, this, &Uninstall::recApp);
    connect(profile,
            &UninstallProfile::uninstallCauseEmit,
            this,
            &Uninstall::on_uninstallCause_slot);
    for (QPushButton *forward : {ui->btnContinue_1, ui->btnContinue_2, ui->btnContinue_3})
        connect(forward, &QPushButton::clicked, this, &Uninstall::changePage);
    connect(ui->btnClose, &QToolButton::clicked, this, &Uninstall::close);
    // The skins' language selector is addressed by its signature, as the host's windows do.
    connect(ui->comboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(on_changeLanguage(int)));
    connect(ui->btnComplete, &QPushButton::clicked, this, &Uninstall::completeSlot);
    connect(ui->purchaseBtn, &QPushButton::clicked, this, &Uninstall::onPurchaseDlgSlot);
    connect(ui->btnDiscount, &QPushButton::clicked, this, &Uninstall::onPurchaseDlgSlot);
    connect(ui->btnUpdate, &QPushButton::clicked, this, &Uninstall::updateApp);
    connect(deletionThread, &FileDeletionThread::updateBar, this, &Uninstall::updateBar);
    connect(deletionThread, &FileDeletionThread::deleteComplete, this, &Uninstall::showFinally);
    connect(deletionThread,
            &FileDeletionThread::cannotStart,
            this,
            [this](FileDeletionThread::StartFailure reason) {
                removalRefused = true;
                m_progress->showRefusal(reason, m_run.installRoot);
            });
    initSurveyAndFlow();
}

void Uninstall::initSurveyAndFlow()
{
    causeOptions
        = {ui->option_1, ui->option_2, ui->option_3, ui->option_4, ui->option_5, ui->option_6};
    for (QCheckBox *option : qAsConst(causeOptions)) {
        option->hide();
        connect(option, &QCheckBox::clicked, this, &Uninstall::onBtnContinueEnableSlot);
    }
    m_survey = new ReasonSurvey(*ui, causeOptions, QLocale(m_run.language), this);
    m_flow = std::make_unique<PageFlow>(this, *ui, *m_survey, m_run.updaterFile);
    connect(m_flow.get(), &PageFlow::removalConfirmed, this, [this] {
        if (productClosed())
            showRemoval();
    });
    connect(m_flow.get(), &PageFlow::closeRequested, this, &Uninstall::close);
    connect(m_flow.get(), &PageFlow::cancelRequested, this, [this] {
        if (dragging)
            return;
        uninstallCancelled = true;
        close();
    });
    connect(m_flow.get(), &PageFlow::doneRequested, this, [this] {
        completeSlot();
        if (m_run.testMode)
            close();
    });
}

void Uninstall::changePage()
{
    if (dragging)
        return;
    Log("debug", 1, QStringLiteral("Uninstall changePage run!"));
    m_flow->forward();
}

void Uninstall::showRemoval()
{
    startUninstalling();
    m_flow->show(PageFlow::Step::Removal);
    // Queued, so that the page is laid out and the finish text's label has its width.
    QMetaObject::invokeMethod(
        this,
        [this] { m_progress->reserveFinishTextHeight(headlineWeight()); },
        Qt::QueuedConnection);
}

// The confirmation: "u_click_uninstall" is its event whether or not the upgrade offer was shown.
bool Uninstall::productClosed()
{
    sendEvent(QStringLiteral("uninstall_continue"), QStringLiteral("u_click_uninstall"));
    Log("debug", 1, QStringLiteral("check App isRunning?"));
    if (LmSingleInstance::instance()->isAppRunnabled())
        return true;
    LmSingleInstance::release();
    auto *dialog = new CheckCloseDlg(this);
    connect(dialog, &CheckCloseDlg::completeKill, this, [this] {
        if (!productClosed())
            return;
        startUninstalling();
        ui->processPage->setCurrentIndex(3);
    });
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    return false;
}

void Uninstall::startUninstalling()
{
    m_offerPictures->keepInMemory();
    sendFirstReport();
    if (m_run.testMode)
        return;
    ui->btnClose->hide();
    deletionThread->start(QThread::InheritPriority);
    sendEvent(QStringLiteral("uninstall_start"), QString());
}

void Uninstall::close()
{
    if (dragging)
        return;
    const int page = ui->processPage->currentIndex();
    const int inner = ui->causePage_2->currentIndex();
    sendCancelEvent(page, inner);
    if (page != 3 || removalRefused)
        uninstallCancelled = true;
    if ((firstReportData.isEmpty() && secondReportData.isEmpty()) || m_run.testMode) {
        Log("error", 1, QStringLiteral("Uninstall close! PostData is empty"));
        QCoreApplication::quit();
        return;
    }
    Log("debug", 1, QStringLiteral("Uninstall close!"));
    sendSecondReport();
    if (removalRefused) {
        if (m_run.reportUrl.isEmpty())
            QCoreApplication::quit(); // nothing to deliver
        else
            startDeliveryPhase();
        return;
    }
    sendEvent(QStringLiteral("uninstall_success"), QStringLiteral("uninstall process success!"));
    if (m_run.reportUrl.isEmpty()) {
        // Nothing to deliver: no reason to stay.
        hide();
        afterUninstall();
        QCoreApplication::quit();
        return;
    }
    startDeliveryPhase();
    afterUninstall();
}

void Uninstall::sendCancelEvent(int page, int inner)
{
    PageFlow::sendCancelEvent(PageFlow::stepAt(page, inner));
}

void Uninstall::startDeliveryPhase()
{
    retryTimer = new QTimer(this);
    retryTimer->setInterval(5000);
    connect(retryTimer, &QTimer::timeout, this, &Uninstall::retryPostReports);
    quitTimer = new QTimer(this);
    quitTimer->setSingleShot(true);
    quitTimer->setInterval(30000);
    connect(quitTimer, &QTimer::timeout, this, [this] {
        retryTimer->stop();
        QCoreApplication::quit();
    });
    hide();
    quitTimer->start();
    retryTimer->start();
}

void Uninstall::afterUninstall()
{
    Log("debug", 1, QStringLiteral("uninstsall After"));
    const QString address = m_run.afterUninstallUrl;
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    LmInstallInfo::deregisterInstall();
    LmProductCommonInfo::instance()->unsetInstallPath(m_run.productId);
    LmProductCommonInfo::instance()->unsetInstallVersion(m_run.productId);
}

void Uninstall::retryPostReports()
{
    if (secondReportPosted) {
        retryTimer->stop();
        quitTimer->stop();
        QCoreApplication::quit();
        return;
    }
    if (!firstReportPosted)
        postData(firstReportData);
    if (!secondReportPosted)
        postData(secondReportData);
}

void Uninstall::updateBar(int value)
{
    m_progress->setValue(value);
}

void Uninstall::completeSlot()
{
    if (dragging)
        return;
    showFinally();
    if (!m_run.testMode)
        close();
}

void Uninstall::showFinally()
{
    Log("debug", 1, QStringLiteral("completeSlot run!"));
    m_progress->showFinish(deletionThread->leftBehindCount(), headlineWeight());
    m_flow->focusPage();
}

void Uninstall::onPurchaseDlgSlot()
{
    if (dragging)
        return;
    const QString address = m_run.purchaseUrl;
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    m_flow->sendPurchaseEvent();
}

void Uninstall::onBtnContinueEnableSlot()
{
    m_survey->updateContinueRule();
}

void Uninstall::updateApp()
{
    if (dragging)
        return;
    Log("debug", 1, QStringLiteral("Uninstall updateApp"));
    sendEvent(QStringLiteral("uninstall_update"), QStringLiteral("update programe!"));
    uninstallCancelled = true;
    // Handed over as the program itself: no shell and no quote parsing in between.
    QProcess::startDetached(m_run.updaterFile, QStringList());
    // The run ends whether or not the updater started.
    QCoreApplication::quit();
}

void Uninstall::uninstallSkin(QString bannerName, QString promotionName)
{
    Log("debug",
        1,
        QStringLiteral("Uninstall bind purchase img :") + bannerName
            + QStringLiteral(" || and promotion img:") + promotionName);
    m_offerPictures->show({bannerName, promotionName});
}

void Uninstall::recApp(QVector<RecApp> apps)
{
    Log("debug", 1, QStringLiteral("Uninstall bind recApp!"));
    recApps = apps;
}

void Uninstall::on_uninstallCause_slot(bool uninstallCuaseCheck,
                                       QVector<QString> keys,
                                       QMap<QString, QString> uninstallCause,
                                       QString users)
{
    causeCheck = uninstallCuaseCheck;
    causeKeys = keys;
    causeMap = uninstallCause;
    causeUsers = users;
    this->uninstallCause();
}

void Uninstall::uninstallCause()
{
    Log("debug", 1, QStringLiteral("bind uninstall cause!"));
    Log("debug", 1, QStringLiteral("uninstall cause size: %1").arg(causeMap.size()));
    m_survey->fill(causeCheck, causeKeys, causeMap, editTextHeight);
    m_survey->showUsers(causeUsers, textWeights.value(1), textColors.value(1));
}

void Uninstall::loadFinishedSlot()
{
    Log("debug", 1, QStringLiteral("loading end!"));
    m_flow->show(PageFlow::Step::DiscountOffer);
    ui->loadingLab->hide();
}

void Uninstall::on_changeLanguage(int)
{
    LmSettings::instance()->setCurrentLanguage(ui->comboBox->currentText());
    uninstallCancelled = true;
    QCoreApplication::quit();
}

void Uninstall::loadDownLoadRes()
{
    if (m_offerPictures->keptInMemory())
        return;
    const OfferPictures::Files pictures = OfferPictures::chosen(m_run);
    Log("debug", 1, QStringLiteral("Uninstall load downLoad res"));
    uninstallSkin(pictures.banner, pictures.promotion);
    m_progress->showApps(recApps);
    m_survey->updateContinueRule();
    Log("debug", 1, QStringLiteral("loading end!"));
    // A later arrival refreshes the pictures and the carousel without taking the user back.
    if (m_flow->step() == PageFlow::Step::Loading)
        m_flow->show(PageFlow::Step::DiscountOffer);
    ui->loadingLab->hide();
    // Its file goes with the installation; a hidden animation must not read it any more.
    loadingMovie->stop();
}

void Uninstall::mousePressEvent(QMouseEvent *event)
{
    const bool insideCauseEdit = ui->causeEdit->geometry().contains(event->pos());
    const bool insideEmailEdit = ui->emailEdit->geometry().contains(event->pos());
    if (!insideCauseEdit || insideEmailEdit) {
        ui->causeEdit->clearFocus();
        ui->emailEdit->clearFocus();
    }
    QWidget::mousePressEvent(event);
}

void Uninstall::mouseReleaseEvent(QMouseEvent *event)
{
    dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void Uninstall::mouseMoveEvent(QMouseEvent *event)
{
    dragging = true;
    QWidget::mouseMoveEvent(event);
}

void Uninstall::createUID()
{
    userId = UserIdentifier::forCurrentUser(m_run.guid);
    Log("debug", 1, QStringLiteral("Uninstall initData createUID"));
}

void Uninstall::sendFirstReport()
{
    Log("debug", 1, QStringLiteral("start first report!"));
    const QDateTime now = QDateTime::currentDateTime();
    tid = FeedbackReport::transactionId(now);
    const FeedbackReport::Product product{m_run.brand,
                                          m_run.language,
                                          m_run.productId,
                                          m_run.productName,
                                          m_run.productVersion};
    FeedbackReport::Answers answers;
    // Boxes that never received a reason are listed only beside some that did.
    if (anyReasonShown(causeOptions)) {
        for (const QCheckBox *option : qAsConst(causeOptions))
            answers.reasons.append({option->objectName(), option->isChecked()});
    }
    answers.featureLine = ui->optionLineEdit_1->text();
    answers.priceLine = ui->optionLineEdit_2->text();
    answers.causeText = ui->causeEdit->toPlainText();
    firstReportData = FeedbackReport::first(product, userId, now, answers);
    postData(firstReportData);
}

void Uninstall::sendSecondReport()
{
    Log("debug", 1, QStringLiteral("start second report!"));
    secondReportData = FeedbackReport::second(tid, userId, ui->emailEdit->text());
    postData(secondReportData);
}

void Uninstall::postData(const QByteArray &data)
{
    const bool first = data == firstReportData;
    bool &inFlight = first ? firstReportInFlight : secondReportInFlight;
    if (m_run.reportUrl.isEmpty() || inFlight || (first ? firstReportPosted : secondReportPosted))
        return;
    inFlight = true;
    if (!m_reportManager) {
        // Reports never ride a connection that a request ignoring certificate errors set up.
        m_reportManager = new QNetworkAccessManager(this);
        if (const QNetworkAccessManager *shared = Framework::networkAccessManager())
            m_reportManager->setProxy(shared->proxy());
    }
    BoundedReply *reply = BoundedReply::post(m_reportManager,
                                             m_run.reportUrl,
                                             data,
                                             {10000, 10000, BoundedReply::documentBytes});
    reply->setParent(this);
    connect(reply, &BoundedReply::finished, this, [this, reply, first] {
        if (reply->succeeded())
            Log("debug",
                1,
                QStringLiteral("HTTP POST request successful and Response: ")
                    + QString::fromUtf8(reply->body()));
        else
            Log("debug", 1, QStringLiteral("HTTP POST request failed: ") + reply->errorString());
        // A confirmed report stays confirmed, whatever an earlier post of it ends with.
        if (reply->succeeded())
            (first ? firstReportPosted : secondReportPosted) = true;
        (first ? firstReportInFlight : secondReportInFlight) = false;
        reply->deleteLater();
    });
}
