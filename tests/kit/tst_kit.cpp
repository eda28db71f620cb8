// The sample kit in every language of the window's language box: a finished catalogue of every
// text the sources hand to translators, and every text of the window's pages and of the
// close-product dialog whole in its widget (sample skin at 100 %, the product's font family).
#include "Framework.h"
#include "LmResourceMgr.h"
#include "LmSettings.h"
#include "LmSingleInstance.h"
#include "ProductIni.h"
#include "TestEnvironment.h"
#include "WindowDriver.h"
#include "checkclose/CheckCloseDlg.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList matches(const QString &pattern, const QString &text, int group = 0)
{
    QStringList found;
    for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext();)
        found << it.next().captured(group);
    return found;
}

QStringList offeredLanguages()
{
    return matches("<item><property name=\"text\"><string notr=\"true\">(\\w+)<",
                   readAll(TestEnvironment::sourceDir() + "/src/wizard/Uninstall.ui"),
                   1);
}

// The %N markers and HTML tag names (escaped, as a catalogue holds them) a translation keeps.
QStringList skeleton(const QString &text)
{
    QStringList parts = matches("%\\d|&lt;/?\\w+", text);
    parts.sort();
    return parts;
}

QString textOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    return button ? button->text() : QString();
}

// Whether the widget shows its text whole, neither clipped by its ancestors nor too small.
bool showsWhole(const QWidget *widget)
{
    QSize needed = widget->sizeHint();
    const auto *label = qobject_cast<const QLabel *>(widget);
    if (label && label->wordWrap()) // the longest word on a line, then the lines it needs
        needed = QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
    QRect shown = widget->rect();
    for (const QWidget *up = widget->parentWidget(); up;
         up = up->isWindow() ? nullptr : up->parentWidget())
        shown &= QRect(widget->mapFrom(up, QPoint()), up->size());
    return shown == widget->rect() && needed.width() <= shown.width()
           && needed.height() <= shown.height();
}

} // namespace

class KitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextTranslated_data() { languageRows(); }
    void everyTextTranslated();
    void everyTextFits_data() { languageRows(); }
    void everyTextFits();

private:
    static void languageRows();

    TestEnvironment m_environment;
    QTemporaryDir m_merged; // each catalogue with the sources' texts merged in
};

void KitTest::initTestCase()
{
    QCOMPARE(offeredLanguages().size(), 23);
    QStringList arguments{"-silent", "-no-obsolete", TestEnvironment::sourceDir() + "/src", "-ts"};
    for (const QString &language : offeredLanguages()) {
        const QString name = "/uninstall_" + language + ".ts";
        QFile::copy(TestEnvironment::sourceDir() + "/kit/resources/translations" + name,
                    m_merged.path() + name);
        arguments << m_merged.path() + name;
    }
    QProcess lupdate;
    lupdate.start(LUPDATE, arguments);
    QVERIFY(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0);

    QVERIFY(Framework::init(0, 0, nullptr));
    m_environment.writeProductIni({{"uninstallTest", "1"}});
    m_environment.installKitResources();
    const QDir catalogues(KIT_CATALOGUE_DIR);
    for (const QString &name : catalogues.entryList({"*.qm"}))
        QFile::copy(catalogues.filePath(name),
                    m_environment.resourceRoot() + "/translations/" + name);
    LmResourceMgr::instance()->setCurrentSkin("default");
}

void KitTest::languageRows()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : offeredLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void KitTest::everyTextTranslated()
{
    QFETCH(QString, language);
    if (language == "en")
        QSKIP("The sources' own language");
    const QString merged = readAll(m_merged.path() + "/uninstall_" + language + ".ts");
    const int gap = std::max(merged.indexOf("type=\"unfinished\""),
                             merged.indexOf("<translation></"));
    QVERIFY2(gap < 0, qPrintable(merged.mid(merged.lastIndexOf("<source>", gap), 120)));
    const QString ts = readAll(TestEnvironment::sourceDir()
                               + "/kit/resources/translations/uninstall_" + language + ".ts");
    for (auto it = QRegularExpression("<source>(.*)</source>\\s*<translation>(.*)</translation>")
                       .globalMatch(ts);
         it.hasNext();) {
        const QRegularExpressionMatch message = it.next();
        QCOMPARE(skeleton(message.captured(2)), skeleton(message.captured(1)));
    }
    QCOMPARE(ts.contains("<translation>RTL</translation>"), language == "ar" || language == "ur");
}

// Each page in turn, the survey with both answer lines open, then the close-product dialog.
void KitTest::everyTextFits()
{
    QFETCH(QString, language);
    const ProductIni product = ProductIni::load(TestEnvironment::sourceDir()
                                                + "/kit/product.ini.in");
    QString family = product.value("Extend." + language, "fontFamily");
    if (family.isEmpty())
        family = product.value("Extend", "fontFamily");
    if (!QFontDatabase().families().contains(family))
        QSKIP(qPrintable(family + " is not installed (scripts/install-deps)"));
    QApplication::setFont(QFont(family, 10));
    LmSettings::instance()->setCurrentLanguage(language);
    LmResourceMgr::instance()->setCurrentLanguage(language);
    WindowDriver driver;
    driver.open();
    const auto release = qScopeGuard([] { LmSingleInstance::release(); });
    CheckCloseDlg dialog(driver.window.get());
    const char *const leaveBy[] = {"btnContinue_1", "btnContinue_2", "btnContinue_3", "btnComplete"};
    QStringList cut;
    int texts = 0;
    for (int page = 0; page < 6; ++page) {
        if (page == 5) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        }
        for (int pass = 0; pass < 3; ++pass) // a layout may ask for another once it has its width
            QApplication::processEvents();
        QWidget *shown = page == 5 ? &dialog : static_cast<QWidget *>(driver.window.get());
        for (const QWidget *widget : shown->findChildren<QWidget *>()) {
            const QString text = textOf(widget);
            texts += widget->isVisibleTo(shown) && !text.isEmpty();
            if (widget->isVisibleTo(shown) && !text.isEmpty() && !showsWhole(widget))
                cut << QStringLiteral("%1 %2: %3").arg(page).arg(widget->objectName(), text);
        }
        if (page < 4)
            driver.click(leaveBy[page]);
        if (page == 0) {
            QTest::mouseClick(driver.reasonBox(4), Qt::LeftButton);
            QTest::mouseClick(driver.reasonBox(5), Qt::LeftButton);
        }
    }
    QVERIFY(texts > 20);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

QTEST_MAIN(KitTest)
#include "tst_kit.moc"
