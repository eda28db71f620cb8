#include "wizard/Uninstall.h"
#include "ui_Uninstall.h"

#include "config/UninstallProfile.h"
#include "host/LMGA.h"
#include "host/LmInstallInfo.h"
#include "host/LmProductCommonInfo.h"
#include "host/LmSettings.h"
#include "host/Utility.h"
#include "removal/FileDeletionThread.h"
#include "widgets/RecFrame.h"
#include "wizard/PictureSnapshot.h"
#include "wizard/ProductCheck.h"
#include "wizard/ReportDelivery.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QMovie>
#include <QPixmapCache>
#include <QProcess>
#include <QRegularExpression>
#include <QStyle>
#include <QUrl>

bool uninstallCancelled = false;

namespace {

void sendEvent(const QString &action, const QString &label)
{
    LMGA::instance()->CEIP(QStringLiteral("uninstall"), action, LMGA::Event, label, 0);
}

// The documents write the figure with comma groups; the language writes it its own way. Any
// other text is shown as it stands.
QString localisedFigure(const QString &figure, const QLocale &locale)
{
    static const QRegularExpression grouped(QStringLiteral("^\\d{1,3}(,\\d{3})*$"));
    if (!grouped.match(figure).hasMatch())
        return figure;
    bool ok = false;
    const qulonglong number = QString(figure).remove(QLatin1Char(',')).toULongLong(&ok);
    return ok ? locale.toString(number) : figure;
}

bool anyReasonShown(const QVector<QCheckBox *> &boxes)
{
    return std::any_of(boxes.cbegin(), boxes.cend(), [](const QCheckBox *box) {
        return !box->isHidden();
    });
}

// Qt lays out a rich text's paragraphs left to right and at the left edge of a wrapping label,
// whatever the label's direction.
void setRichText(QLabel *label, QString html)
{
    if (label->layoutDirection() == Qt::RightToLeft) {
        html.replace(QLatin1String("<body>"), QLatin1String("<body dir='rtl'>"));
        label->setAlignment(QStyle::visualAlignment(Qt::RightToLeft, label->alignment()));
    }
    label->setText(html);
}

// A plain text takes its direction from its first letter: a product name in Latin letters
// would turn a right-to-left title around.
QString inWindowDirection(const QWidget *widget, const QString &text)
{
    return widget->layoutDirection() == Qt::RightToLeft ? QChar(0x200F) + text : text;
}

} // namespace

Uninstall::Uninstall(QWidget *parent)
    : Uninstall(RunContext::fromHost(), parent)
{}

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

    // The animation plays from a copy in memory: Windows deletes no file that is open, and the
    // removal reaches the skin while the movie still holds it.
    loadingMovie = new QMovie;
    auto *animation = new QBuffer(loadingMovie);
    if (QFile file(loadingGif); !loadingGif.isEmpty() && file.open(QIODevice::ReadOnly))
        animation->setData(file.readAll());
    loadingMovie->setDevice(animation);
    ui->loadingLab->setMovie(loadingMovie);
    // A skin without an animation leaves the label empty, without a warning on standard error.
    if (!loadingGif.isEmpty())
        loadingMovie->start();

    Log("debug", 1, QStringLiteral("Uninstall initData createUID"));
    createUID();

    profile = new UninstallProfile(m_run, shownPictureSizes());
}

// The skin sizes the offer pictures' widgets, within the window.
OutsidePicture::ShownSizes Uninstall::shownPictureSizes()
{
    ui->discountBg->ensurePolished();
    ui->purchaseImg->ensurePolished();
    OutsidePicture::ShownSizes shown;
    shown.banner = ui->discountBg->maximumSize().boundedTo(size());
    shown.promotion = ui->purchaseImg->maximumSize().boundedTo(size());
    shown.icon = RecFrame::shownIconSize();
    return shown;
}

void Uninstall::initUI()
{
    ui->titleLab->setText(inWindowDirection(this,
                                            QCoreApplication::translate("QObject", "Uninstall %1")
                                                .arg(m_run.productName)));
    if (textWeights.size() >= 2 && textColors.size() >= 2) {
        Log("debug", 1, QStringLiteral("initUI labInit!"));
        ui->updateTipLab->setText(ui->updateTipLab->text().arg(lineHeight));
        setRichText(
            ui->purchaseLab,
            QCoreApplication::translate(
                "QObject",
                "<html><head/><body><p style='line-height: %1'>We're sorry that you are leaving "
                "us. Here we offer you a <span style='font-weight: %2; color:%3;'>Special "
                "Discount</span>, you can try our program's full function at a low "
                "price.</p></body></html>")
                .arg(lineHeight)
                .arg(textWeights.at(0))
                .arg(textColors.at(0)));
    }
    setRichText(ui->updateTipLab, ui->updateTipLab->text());
    setRichText(
        ui->thinkLab,
        QCoreApplication::translate(
            "QObject",
            "<html><head/><body><p>Thank you for your use and feedback. We will continue to "
            "optimize the program. Look forward to having you choose our products "
            "again!</p></body></html>"));

    ui->optionLineEdit_1->hide();
    ui->optionLineEdit_2->hide();
    ui->frameEmail->hide();
    ui->emailTitle->hide();
    ui->btnComplete->setVisible(m_run.testMode);
    ui->progressBar->setValue(0);
    ui->progressBar->setMaximum(100);
    const QLocale locale(m_run.language);
    ui->progressBar->setLocale(locale);
    ui->progressBar->setFormat(QStringLiteral("%p") + locale.percent());
    ui->progressBar->setTextVisible(true);
    ui->processPage->setCurrentIndex(0);
    ui->causePage_2->setCurrentIndex(0);
    causePlaceholder = ui->causeEdit->placeholderText();
    ui->optionFrame->setEnabled(false);
    ui->btnContinue_2->setEnabled(false);
    ui->causeEdit->setEnabled(false);
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
    connect(ui->btnContinue_1, &QPushButton::clicked, this, &Uninstall::changePage);
    connect(ui->btnContinue_2, &QPushButton::clicked, this, &Uninstall::changePage);
    connect(ui->btnContinue_3, &QPushButton::clicked, this, &Uninstall::changePage);
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
                const bool missing = reason == FileDeletionThread::StartFailure::Missing;
                Log("error",
                    1,
                    QStringLiteral("Uninstall cannot remove the installation: ")
                        + (missing ? QStringLiteral("missing") : QStringLiteral("refused")));
                removalRefused = true;
                const QString folder = QDir::toNativeSeparators(m_run.installRoot.absolutePath());
                ui->thinkLab->setText(
                    (missing ? tr("The installation folder %1 does not exist. Nothing was removed.")
                             : tr("The folder %1 is not an installation that may be removed. "
                                  "Nothing was removed."))
                        .arg(folder.toHtmlEscaped()));
                ui->frameBar->hide();
                ui->processBarTitle->hide();
                ui->btnClose->show();
            });
    connect(ui->btnCancel_1, &QPushButton::clicked, this, [this] {
        if (!dragging)
            close();
    });
    const auto cancelWizard = [this] {
        if (dragging)
            return;
        uninstallCancelled = true;
        close();
    };
    connect(ui->btnCancel_2, &QPushButton::clicked, this, cancelWizard);
    connect(ui->btnCancel_3, &QPushButton::clicked, this, cancelWizard);

    // Keyboard users start on each page at its way forward, or at its first reason.
    connect(ui->processPage, &QStackedWidget::currentChanged, this, &Uninstall::focusPage);
    connect(ui->causePage_2, &QStackedWidget::currentChanged, this, &Uninstall::focusPage);

    causeOptions
        = {ui->option_1, ui->option_2, ui->option_3, ui->option_4, ui->option_5, ui->option_6};
    for (QCheckBox *option : qAsConst(causeOptions)) {
        option->hide();
        connect(option, &QCheckBox::clicked, this, &Uninstall::onBtnContinueEnableSlot);
    }
}

QString Uninstall::textColor() const
{
    return QString();
}

void Uninstall::setTextColor(const QString &value)
{
    if (value.isEmpty())
        return;
    Log("debug", 1, QStringLiteral("bind TextColor:") + value);
    textColors = value.split(QLatin1Char('*'));
}

QString Uninstall::loadingLab() const
{
    return QString();
}

void Uninstall::setLoadingLab(const QString &value)
{
    if (value.isEmpty())
        return;
    Log("debug", 1, QStringLiteral("Uninstall bind LodingGif: ") + value);
    loadingGif = value;
}

QString Uninstall::textWeight() const
{
    return QString();
}

void Uninstall::setTextWeight(const QString &value)
{
    if (value.isEmpty())
        return;
    Log("debug", 1, QStringLiteral("bind TextWeight:") + value);
    textWeights = value.split(QLatin1Char('*'));
}

QString Uninstall::lineHeightProperty() const
{
    return QString();
}

void Uninstall::setLineHeight(const QString &value)
{
    if (value.isEmpty())
        return;
    Log("debug", 1, QStringLiteral("bind lineHeight:") + value);
    lineHeight = value;
}

int Uninstall::editTextHeightProperty() const
{
    return editTextHeight;
}

void Uninstall::setEditTextHeight(int value)
{
    editTextHeight = value;
}

void Uninstall::changePage()
{
    if (dragging)
        return;
    Log("debug", 1, QStringLiteral("Uninstall changePage run!"));
    const int count = ui->processPage->count();
    const int next = ui->processPage->currentIndex() + 1;
    const int inner = ui->causePage_2->currentIndex();
    if (next == 2) {
        sendEvent(QStringLiteral("uninstall_continue"), QStringLiteral("d_click_uninstall"));
    } else if (next == 3) {
        if (inner == 0) {
            sendEvent(QStringLiteral("uninstall_continue"), QStringLiteral("r_click_uninstall"));
            ui->discountBg->show();
            // The upgrade offer is made only with a program that proved itself.
            if (QFileInfo(m_run.updaterFile).isFile()) {
                ui->btnUpdate->show();
                ui->causePage_2->setCurrentIndex(1);
                return;
            }
        }
        if (!productClosed())
            return;
    }
    if (next > count)
        return;
    if (next == 3)
        startUninstalling();
    ui->processPage->setCurrentIndex(next);
    if (next == 3)
        QMetaObject::invokeMethod(
            this, [this] { reserveFinishTextHeight(); }, Qt::QueuedConnection);
}

// The finish text takes this text's place: the label keeps room for the taller of the two from
// the start, so the carousel below does not move when the removal ends. Queued, so that the page
// is laid out and the label has its width.
void Uninstall::reserveFinishTextHeight()
{
    QLabel *label = ui->thinkLab;
    const QString shown = label->text();
    const int width = label->width();
    const int shownHeight = label->heightForWidth(width);
    label->setText(finishText());
    const int finishHeight = label->heightForWidth(width);
    label->setText(shown);
    label->setMinimumHeight(std::max(shownHeight, finishHeight));
}

// The confirmation: "u_click_uninstall" is its event whether or not the upgrade offer was shown.
bool Uninstall::productClosed()
{
    if (!m_productCheck) {
        m_productCheck = new ProductCheck(m_run, this);
        connect(m_productCheck, &ProductCheck::productEnded, this, [this] {
            startUninstalling();
            ui->processPage->setCurrentIndex(3);
        });
    }
    return m_productCheck->productClosed();
}

void Uninstall::startUninstalling()
{
    keepPicturesInMemory();
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
    sendEvent(QStringLiteral("uninstall_success"), QStringLiteral("uninstall process success!"));
    hide();
    m_delivery->deliverThenEnd();
    afterUninstall();
}

void Uninstall::sendCancelEvent(int page, int inner)
{
    if (page == 1)
        sendEvent(QStringLiteral("uninstall_cancel"), QStringLiteral("d_click_cancel"));
    else if (page == 2 && inner == 0)
        sendEvent(QStringLiteral("uninstall_cancel"), QStringLiteral("r_click_cancel"));
    else if (page == 2 && inner == 1)
        sendEvent(QStringLiteral("uninstall_cancel"), QStringLiteral("u_click_cancel"));
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
    ui->progressBar->setValue(value);
}

void Uninstall::completeSlot()
{
    if (dragging)
        return;
    showFinally();
    if (!m_run.testMode)
        close();
}

QString Uninstall::finishText() const
{
    return QCoreApplication::translate(
               "QObject",
               "<html><head/><body><p><span style='font-weight:%1;'>Uninstalled "
               "Successfully!</span></p><p>Thanks for your use and feedback. We will continue to "
               "optimize the program. Look forward to having you choose our products "
               "again!</p></body></html>")
        .arg(textWeights.value(2, QStringLiteral("700")));
}

void Uninstall::showFinally()
{
    Log("debug", 1, QStringLiteral("completeSlot run!"));
    ui->btnComplete->show();
    ui->frameEmail->show();
    ui->emailTitle->show();
    ui->btnClose->show();
    ui->frameBar->hide();
    ui->processBarTitle->hide();
    focusPage();
    // A skin with fewer than three weights still gets a bold headline.
    const QString weight = textWeights.value(2, QStringLiteral("700"));
    const int leftBehind = deletionThread->leftBehindCount();
    if (leftBehind > 0) {
        setRichText(ui->thinkLab,
                    tr("<html><head/><body><p><span style='font-weight:%1;'>%n item(s) "
                       "of the installation could not be removed.</span></p><p>You may "
                       "delete what is left of the installation folder "
                       "yourself.</p></body></html>",
                       nullptr,
                       leftBehind)
                        .arg(weight));
        return;
    }
    setRichText(ui->thinkLab, finishText());
}

void Uninstall::onPurchaseDlgSlot()
{
    if (dragging)
        return;
    const QString address = m_run.purchaseUrl;
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    const int page = ui->processPage->currentIndex();
    if (page == 1) {
        sendEvent(QStringLiteral("uninstall_purchase"), QStringLiteral("d_click_purchase"));
    } else if (page == 2) {
        sendEvent(QStringLiteral("uninstall_purchase"),
                  ui->causePage_2->currentIndex() == 0 ? QStringLiteral("r_click_purchase")
                                                       : QStringLiteral("u_click_purchase"));
    }
}

void Uninstall::onBtnContinueEnableSlot()
{
    updateContinueRule();
}

// A survey without any reason to choose must not hold the user on its page.
void Uninstall::updateContinueRule()
{
    const bool anyChecked = std::any_of(causeOptions.cbegin(),
                                        causeOptions.cend(),
                                        [](const QCheckBox *box) { return box->isChecked(); });
    ui->btnContinue_2->setEnabled(anyChecked || !anyReasonShown(causeOptions));
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
    m_bannerPath = bannerName;
    m_promotionPath = promotionName;
    applyOfferImages(bannerName, promotionName);
}

void Uninstall::applyOfferImages(const QString &bannerName, const QString &promotionName)
{
    ui->discountBg->setStyleSheet(
        QStringLiteral("Uninstall #discountBg{border-image: url(%1) 0;}").arg(bannerName));
    ui->purchaseImg->setStyleSheet(
        QStringLiteral("Uninstall #purchaseImg{border-image: url(%1) 0;}").arg(promotionName));
}

// Style sheets load their pictures when a widget is first drawn in a state (a hover, a page
// shown later), so everything they can name is copied into memory before the removal starts.
// The tiles of the carousel already hold their pictures.
void Uninstall::keepPicturesInMemory()
{
    m_pictures = std::make_unique<PictureSnapshot>(QStringList{m_bannerPath, m_promotionPath});
    if (!m_pictures->isTaken()) {
        Log("error", 1, QStringLiteral("Uninstall pictures not kept in memory"));
        return;
    }
    // The pictures decoded from disk are of no further use: let them go before the copies
    // from memory are decoded, so that both are never held at once.
    ui->discountBg->setStyleSheet(QString());
    ui->purchaseImg->setStyleSheet(QString());
    QPixmapCache::clear();
    applyOfferImages(m_pictures->inMemory(m_bannerPath), m_pictures->inMemory(m_promotionPath));
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
    auto *group = new QButtonGroup(this);
    for (int i = 0; i < causeOptions.size() && i < causeKeys.size(); ++i) {
        QCheckBox *box = causeOptions.at(i);
        const QString &key = causeKeys.at(i);
        box->show();
        if (causeCheck)
            group->addButton(box);
        box->setObjectName(key);
        box->setText(causeMap.value(key));
        QWidget *answerLine = nullptr;
        if (key == QLatin1String("q4"))
            answerLine = ui->optionLineEdit_1;
        else if (key == QLatin1String("q15"))
            answerLine = ui->optionLineEdit_2;
        if (!answerLine)
            continue;
        connect(box, &QCheckBox::clicked, this, [this, answerLine](bool checked) {
            toggleAnswerLine(answerLine, checked);
        });
        connect(box, &QCheckBox::stateChanged, this, [this, answerLine](int state) {
            toggleAnswerLine(answerLine, state != 0);
        });
    }
    group->setExclusive(causeCheck);
    setRichText(ui->hintLab,
                QCoreApplication::translate(
                    "QObject",
                    "<html><head/><body><p>We have provided data transfer services to over <span "
                    "style='font-weight:%1; color:%2;'>%3</span> users</p></body></html>")
                    .arg(textWeights.value(1))
                    .arg(textColors.value(1))
                    .arg(localisedFigure(causeUsers, QLocale(m_run.language)).toHtmlEscaped()));
    ui->causeEdit->setEnabled(true);
    ui->optionFrame->setEnabled(true);
    updateContinueRule();
}

void Uninstall::toggleAnswerLine(QWidget *line, bool visible)
{
    line->setVisible(visible);
    if (!visible)
        return;
    line->setMaximumHeight(editTextHeight);
    line->setFixedHeight(editTextHeight);
    line->setMinimumHeight(editTextHeight);
}

void Uninstall::loadFinishedSlot()
{
    Log("debug", 1, QStringLiteral("loading end!"));
    ui->processPage->setCurrentIndex(1);
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
    // Once the removal is under way the installed pictures may be gone: what shows stays.
    if (m_pictures)
        return;
    const QString &downloadDir = m_run.cacheDirectory;
    const QString &language = m_run.language;
    QString bannerPath = downloadDir + QStringLiteral("banner_pic_%1.png").arg(language);
    QString promotionPath = downloadDir + QStringLiteral("promotion_pic_%1.png").arg(language);
    const QString defaultDir = m_run.resourceRoot + QStringLiteral("/uninstallConfig/");
    if (!QFile::exists(bannerPath)) {
        Log("debug", 1, QStringLiteral("Uninstall downLoad banner_pic not exists!"));
        bannerPath = defaultDir + QStringLiteral("banner_pic/") + language + QStringLiteral(".png");
    }
    if (!QFile::exists(promotionPath)) {
        Log("debug", 1, QStringLiteral("Uninstall downLoad promotion__pic not exists!"));
        promotionPath = defaultDir + QStringLiteral("promotion_pic/") + language
                        + QStringLiteral(".png");
    }
    Log("debug", 1, QStringLiteral("Uninstall load downLoad res"));
    uninstallSkin(bannerPath, promotionPath);
    ui->recWidget->setRecAppInfos(recApps);
    // New tiles would come last in the Tab order, after "Done": they go between the arrows.
    QWidget *before = ui->recWidget->findChild<QWidget *>(QStringLiteral("btnPre"));
    for (QWidget *tileButton :
         ui->recWidget->findChildren<QWidget *>(QStringLiteral("btnRecUrl"))) {
        QWidget::setTabOrder(before, tileButton);
        before = tileButton;
    }
    QWidget::setTabOrder(before, ui->recWidget->findChild<QWidget *>(QStringLiteral("btnNext")));
    updateContinueRule();
    Log("debug", 1, QStringLiteral("loading end!"));
    // A later arrival refreshes the pictures and the carousel without taking the user back.
    if (ui->processPage->currentIndex() == 0)
        ui->processPage->setCurrentIndex(1);
    ui->loadingLab->hide();
    // Its file goes with the installation; a hidden animation must not read it any more.
    loadingMovie->stop();
}

// The button that Return (forward) or Escape and the window manager's close act through on the
// page shown; none while files are being removed, when the page shows none. The finish page has
// a single way out, "Done".
QAbstractButton *Uninstall::pageButton(bool forward) const
{
    QAbstractButton *button = nullptr;
    switch (ui->processPage->currentIndex()) {
    case 0:
        button = forward ? nullptr : ui->btnClose;
        break;
    case 1:
        button = forward ? ui->btnContinue_1 : ui->btnCancel_1;
        break;
    case 2:
        if (ui->causePage_2->currentIndex() == 0)
            button = forward ? ui->btnContinue_2 : ui->btnCancel_2;
        else
            button = forward ? ui->btnContinue_3 : ui->btnCancel_3;
        break;
    case 3:
        button = ui->btnComplete;
        break;
    }
    return button && button->isVisible() && button->isEnabled() ? button : nullptr;
}

void Uninstall::focusPage()
{
    QWidget *target = pageButton(true);
    if (!target && ui->processPage->currentIndex() == 2 && ui->causePage_2->currentIndex() == 0) {
        const auto shown = std::find_if(causeOptions.cbegin(),
                                        causeOptions.cend(),
                                        [](QCheckBox *box) { return !box->isHidden(); });
        target = shown != causeOptions.cend() ? *shown : nullptr;
    }
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

void Uninstall::closeEvent(QCloseEvent *event)
{
    // Leaving is always the window's own decision, whoever asks: accepting would end the event
    // loop with the last window, while files are removed or before the reports are delivered.
    event->ignore();
    if (isHidden() || dragging)
        return;
    const int page = ui->processPage->currentIndex();
    if (page == 0) {
        close();
    } else if (page != 3) {
        if (QAbstractButton *cancel = pageButton(false))
            cancel->click();
    } else if (pageButton(true)) {
        completeSlot();
        if (m_run.testMode)
            close();
    } else if (ui->btnClose->isVisible()) {
        close();
    }
}

void Uninstall::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool forward = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!forward && key != Qt::Key_Escape) {
        LmMainWindowBase::keyPressEvent(event);
        return;
    }
    // A button the user moved to answers Return for itself (Return on Cancel must not go on).
    QWidget *focus = focusWidget();
    if (forward && (qobject_cast<QPushButton *>(focus) || qobject_cast<QToolButton *>(focus))) {
        static_cast<QAbstractButton *>(focus)->click();
        return;
    }
    if (QAbstractButton *button = pageButton(forward))
        button->click();
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
    m_delivery->sendFirst(surveyAnswers());
}

FeedbackReport::Answers Uninstall::surveyAnswers() const
{
    FeedbackReport::Answers answers;
    // Boxes that never received a reason are listed only beside some that did.
    if (anyReasonShown(causeOptions)) {
        for (const QCheckBox *option : qAsConst(causeOptions))
            answers.reasons.append({option->objectName(), option->isChecked()});
    }
    answers.featureLine = ui->optionLineEdit_1->text();
    answers.priceLine = ui->optionLineEdit_2->text();
    answers.causeText = ui->causeEdit->toPlainText();
    return answers;
}
