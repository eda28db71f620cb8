#include "wizard/Uninstall.h"
#include "ui_Uninstall.h"

#include "config/UninstallProfile.h"
#include "host/LMGA.h"
#include "host/LmInstallInfo.h"
#include "host/LmProductCommonInfo.h"
#include "host/LmSettings.h"
#include "host/Utility.h"
#include "removal/FileDeletionThread.h"
#include "wizard/LoadingAnimation.h"
#include "wizard/PageFlow.h"
#include "wizard/ProductCheck.h"
#include "wizard/ProgressPage.h"
#include "wizard/ReasonSurvey.h"
#include "wizard/ReportDelivery.h"
#include "wizard/WindowTexts.h"

#include <QDesktopServices>
#include <QLocale>
#include <QMouseEvent>
#include <QMovie>
#include <QProcess>
#include <QUrl>

bool uninstallCancelled = false;

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
    LMGA::uninstallEvent(QStringLiteral("uninstall_init"), QStringLiteral("init_success"));
}

Uninstall::~Uninstall()
{
    Log("debug", 1, QStringLiteral("Uninstall ~Uninstall"));
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
    deletionThread = new FileDeletionThread(m_run);

    ui->purchaseImg->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_offerPictures = std::make_unique<OfferPictures>(this, *ui);

    loadingMovie = LoadingAnimation::start(loadingGif, ui->loadingLab);

    Log("debug", 1, QStringLiteral("Uninstall initData createUID"));
    createUID();

    profile = new UninstallProfile(m_run, shownPictureSizes());
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
    if (!m_productCheck) {
        m_productCheck = new ProductCheck(m_run, this);
        connect(m_productCheck, &ProductCheck::productEnded, this, &Uninstall::showRemoval);
    }
    return m_productCheck->productClosed();
}

void Uninstall::startUninstalling()
{
    m_offerPictures->keepInMemory();
    sendFirstReport();
    if (m_run.testMode)
        return;
    ui->btnClose->hide();
    deletionThread->start(QThread::InheritPriority);
    LMGA::uninstallEvent(QStringLiteral("uninstall_start"), QString());
}

void Uninstall::close()
{
    if (dragging)
        return;
    const PageFlow::Step step = m_flow->step();
    PageFlow::sendCancelEvent(step);
    if (step != PageFlow::Step::Removal || removalRefused)
        uninstallCancelled = true;
    if (!m_delivery->hasReports() || m_run.testMode) {
        Log("error", 1, QStringLiteral("Uninstall close! PostData is empty"));
        QCoreApplication::quit();
        return;
    }
    Log("debug", 1, QStringLiteral("Uninstall close!"));
    m_delivery->sendSecond(ui->emailEdit->text());
    // The run goes on unseen while the reports are delivered; a refused removal has nothing else
    // to finish.
    if (removalRefused) {
        if (!m_run.reportUrl.isEmpty())
            hide();
        m_delivery->deliverThenEnd();
        return;
    }
    LMGA::uninstallEvent(QStringLiteral("uninstall_success"),
                         QStringLiteral("uninstall process success!"));
    hide();
    m_delivery->deliverThenEnd();
    afterUninstall();
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
    LMGA::uninstallEvent(QStringLiteral("uninstall_update"), QStringLiteral("update programe!"));
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

// The delivery reads the user's identifier when the window opens.
void Uninstall::createUID()
{
    m_delivery = new ReportDelivery(m_run, this);
    connect(m_delivery, &ReportDelivery::ended, this, &QCoreApplication::quit);
}

void Uninstall::sendFirstReport()
{
    m_delivery->sendFirst(m_survey->answers());
}
