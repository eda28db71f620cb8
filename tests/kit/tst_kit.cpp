// Every language the wizard offers: a finished catalogue of every text the sources
// hand to translators, and every text of every page and of the close dialog whole in its widget.
#include "TestEnvironment.h"
#include "WindowDriver.h"
#include "checkclose/CheckCloseDlg.h"
#include "host/DataDirectory.h"
#include "host/Framework.h"
#include "host/LmResourceMgr.h"
#include "host/LmSettings.h"
#include "host/LmSingleInstance.h"
#include "host/ProductIni.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString source = TestEnvironment::sourceDir();

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The widget's text when it does not show whole: clipped by an ancestor or given too little room.
QString cutText(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    const QString text = widget->property("text").toString();
    if ((!label && !qobject_cast<const QAbstractButton *>(widget)) || text.isEmpty())
        return {};
    QSize needed = widget->sizeHint();
    if (label && label->wordWrap()) // the longest word on a line, then the lines it needs
        needed = QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
    QRect shown = widget->rect();
    for (const QWidget *up = widget->parentWidget(); up;
         up = up->isWindow() ? nullptr : up->parentWidget())
        shown &= QRect(widget->mapFrom(up, QPoint()), up->size());
    if (shown == widget->rect() && shown.size().expandedTo(needed) == shown.size())
        return {};
    return widget->objectName() + ": " + text;
}

// The label's text when it reads left to right in a right-to-left window: a paragraph laid out
// left to right, or a text that is not centred standing at the left.
QString leftToRight(QLabel *label)
{
    const auto *document = label->findChild<QTextDocument *>();
    const QString wrong = label->objectName() + ": " + label->text();
    if (label->text().isEmpty() || label->layoutDirection() != Qt::RightToLeft)
        return {};
    if (document && document->begin().textDirection() != Qt::RightToLeft)
        return wrong;
    if (label->alignment() & Qt::AlignHCenter)
        return {};
    const QImage picture = label->grab().toImage();
    int left = picture.width(), right = -1; // the columns the text's ink spans
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != picture.pixel(0, 0)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return picture.width() - 1 - right > left ? wrong : QString();
}

// The Buy button's text when it lies over the span of the banner where the kit's pictures write.
QString overBannerText(const QAbstractButton *buy, const QWidget *banner)
{
    const int pictureWidth = 857;
    const QJsonObject area
        = QJsonDocument::fromJson(contents(source + "/kit/tools/banner_text_area.json")).object();
    int start = area.value("start").toInt(), end = area.value("end").toInt();
    if (buy->isRightToLeft())
        std::tie(start, end) = std::make_pair(pictureWidth - end, pictureWidth - start);
    const double scale = double(pictureWidth) / banner->width();
    const QRect onBanner(buy->mapTo(banner, QPoint()), buy->size());
    if (onBanner.right() * scale < start || onBanner.left() * scale > end)
        return {};
    return buy->objectName() + " over the banner's text: " + buy->text();
}

} // namespace

class KitTest : public QObject
{
    Q_OBJECT

    TestEnvironment m_environment;
    QTemporaryDir m_merged; // each catalogue with the sources' texts merged in

    bool installBuiltCatalogues()
    {
        const QString catalogues = m_environment.resourceRoot() + "/translations";
        return QProcess::execute("cp", {"-R", KIT_CATALOGUE_DIR "/.", catalogues}) == 0;
    }

private slots:
    void initTestCase()
    {
        const QString translations = source + "/kit/resources/translations/.";
        QCOMPARE(QProcess::execute("cp", {"-R", translations, m_merged.path()}), 0);
        QStringList arguments{"-silent", "-no-obsolete", source + "/src", "-ts"};
        for (const QString &language : LmSettings::offeredLanguages())
            arguments << m_merged.path() + "/uninstall_" + language + ".ts";
        QCOMPARE(QProcess::execute(LUPDATE, arguments), 0);
        QVERIFY(Framework::init(0, 0, nullptr));
        m_environment.writeProductIni({{"uninstallTest", "1"}});
        m_environment.installKitResources();
        QVERIFY(installBuiltCatalogues());
        LmResourceMgr::instance()->setCurrentSkin("default");
    }

    void everyLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : LmSettings::offeredLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyLanguage()
    {
        QFETCH(QString, language);
        const QString catalogue = QString::fromUtf8(
            contents(m_merged.path() + "/uninstall_" + language + ".ts"));
        const int gap = std::max(catalogue.indexOf("type=\"unfinished\""),
                                 catalogue.indexOf("<translation></"));
        QVERIFY2(language == "en" || gap < 0,
                 qPrintable(catalogue.mid(catalogue.lastIndexOf("<source>", gap), 99)));

        // Each page in turn, the survey with both answer lines open, then the close dialog;
        // in Arabic and Urdu every text also reads right to left.
        const ProductIni product = ProductIni::load(source + "/kit/product.ini.in");
        QString family = product.value("Extend." + language, "fontFamily");
        family = family.isEmpty() ? product.value("Extend", "fontFamily") : family;
        if (!QFontDatabase().families().contains(family))
            QSKIP(qPrintable(family + " is not installed (scripts/install-deps)"));
        QApplication::setFont(QFont(family, 10));
        LmSettings::instance()->setCurrentLanguage(language);
        LmResourceMgr::instance()->setCurrentLanguage(language);
        WindowDriver driver;
        driver.open();
        const auto release = qScopeGuard([] { LmSingleInstance::release(); });
        QFile updater(DataDirectory::updaterFile()); // the upgrade offer is made with one only
        QVERIFY(QDir().mkpath(QFileInfo(updater).path()));
        QVERIFY(updater.open(QIODevice::WriteOnly));
        CheckCloseDlg dialog(RunContext::fromHost(), driver.window.get());
        QStringList cut;
        for (int page = 0; page < 6; ++page) {
            if (page == 5)
                dialog.show();
            QWidget *shown = page == 5 ? &dialog : static_cast<QWidget *>(driver.window.get());
            QStringList cutHere;
            // Layouts settle over several passes (a label's height follows its width): wait.
            (void) QTest::qWaitFor(
                [&] {
                    cutHere.clear();
                    for (const QWidget *widget : shown->findChildren<QWidget *>())
                        cutHere << (widget->isVisibleTo(shown) ? cutText(widget) : QString());
                    cutHere.removeAll(QString());
                    return cutHere.isEmpty();
                },
                3000);
            cut << cutHere;
            if (const auto *buy = driver.child<QAbstractButton>("btnDiscount"); buy->isVisible())
                cut << overBannerText(buy, driver.child<QWidget>("discountBg"));
            for (QLabel *label : shown->findChildren<QLabel *>())
                cut << (label->isVisibleTo(shown) ? leftToRight(label) : QString());
            cut.removeAll(QString());
            const QByteArray leave = page < 3 ? "btnContinue_" + QByteArray::number(page + 1)
                                              : QByteArray("btnComplete");
            if (page < 4)
                driver.child<QAbstractButton>(leave.data())->click();
            for (int row = 4; page == 0 && row <= 5; ++row)
                driver.reasonBox(row)->click();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    // Only the catalogue the kit built is loaded (a damaged one can crash the translator);
    // otherwise the texts, and so the documents and pictures, are English.
    void onlyBuiltCatalogues_data()
    {
        QTest::addColumn<bool>("flipByte");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("learnMore");
        QTest::addColumn<QString>("shown");
        QTest::newRow("as built") << false << true << QString("Mehr erfahren") << QString("de");
        QTest::newRow("a byte flipped") << true << true << QString("Learn More") << QString("en");
        QTest::newRow("not in the manifest")
            << false << false << QString("Learn More") << QString("en");
    }

    void onlyBuiltCatalogues()
    {
        QFETCH(bool, flipByte);
        QFETCH(bool, listed);
        QFETCH(QString, learnMore);
        QFETCH(QString, shown);
        const auto restore = qScopeGuard([this] { installBuiltCatalogues(); });
        const QString folder = m_environment.resourceRoot() + "/translations/";
        QByteArray catalogue = contents(folder + "uninstall_de.qm");
        QByteArray manifest = contents(folder + "catalogues.sha256");
        const int middle = catalogue.size() / 2;
        if (flipByte)
            catalogue[middle] = char(~catalogue[middle]);
        if (!listed)
            manifest.replace("uninstall_de.qm", "uninstall_xx.qm");
        m_environment.writeFile("resources/translations/uninstall_de.qm", catalogue);
        m_environment.writeFile("resources/translations/catalogues.sha256", manifest);
        LmResourceMgr::instance()->setCurrentLanguage("de");
        QCOMPARE(QCoreApplication::translate("QObject", "Learn More"), learnMore);
        QCOMPARE(LmResourceMgr::instance()->shownLanguage(), shown);
    }
};

QTEST_MAIN(KitTest)
#include "tst_kit.moc"
