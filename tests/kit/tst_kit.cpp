// Every language of the window's language box: a finished catalogue of every text the sources
// hand to translators, and every text of every page and of the close dialog whole in its widget.
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

const QString source = TestEnvironment::sourceDir();

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList offeredLanguages()
{
    QStringList codes;
    const QRegularExpression item("<item><property name=\"text\"><string notr=\"true\">(\\w+)<");
    for (auto it = item.globalMatch(readAll(source + "/src/wizard/Uninstall.ui")); it.hasNext();)
        codes << it.next().captured(1);
    return codes;
}

// The widget's text when it does not show whole: clipped by an ancestor or given too little room.
QString cutText(const QWidget *widget)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    const auto *button = qobject_cast<const QAbstractButton *>(widget);
    QSize needed = widget->sizeHint();
    if (label && label->wordWrap()) // the longest word on a line, then the lines it needs
        needed = QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
    QRect shown = widget->rect();
    for (const QWidget *up = widget->parentWidget(); up;
         up = up->isWindow() ? nullptr : up->parentWidget())
        shown &= QRect(widget->mapFrom(up, QPoint()), up->size());
    if (shown == widget->rect() && shown.size().expandedTo(needed) == shown.size())
        return {};
    return label ? label->text() : button ? button->text() : QString();
}

} // namespace

class KitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLanguage_data();
    void everyLanguage();

private:
    TestEnvironment m_environment;
    QTemporaryDir m_merged; // each catalogue with the sources' texts merged in
};

void KitTest::initTestCase()
{
    QVERIFY(offeredLanguages().contains("ur")); // the form is read
    QStringList arguments{"-silent", "-no-obsolete", source + "/src", "-ts"};
    for (const QString &language : offeredLanguages()) {
        arguments << m_merged.path() + "/uninstall_" + language + ".ts";
        QFile::copy(source + "/kit/resources/translations/uninstall_" + language + ".ts",
                    arguments.last());
    }
    QCOMPARE(QProcess::execute(LUPDATE, arguments), 0);
    QVERIFY(Framework::init(0, 0, nullptr));
    m_environment.writeProductIni({{"uninstallTest", "1"}});
    m_environment.installKitResources();
    const QDir catalogues(KIT_CATALOGUE_DIR);
    for (const QString &name : catalogues.entryList({"*.qm"}))
        QFile::copy(catalogues.filePath(name),
                    m_environment.resourceRoot() + "/translations/" + name);
    LmResourceMgr::instance()->setCurrentSkin("default");
}

void KitTest::everyLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : offeredLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void KitTest::everyLanguage()
{
    QFETCH(QString, language);
    const QString catalogue = readAll(m_merged.path() + "/uninstall_" + language + ".ts");
    const int gap = std::max(catalogue.indexOf("type=\"unfinished\""),
                             catalogue.indexOf("<translation></"));
    QVERIFY2(language == "en" || gap < 0,
             qPrintable(catalogue.mid(catalogue.lastIndexOf("<source>", gap), 99)));
    const QString name = "/kit/resources/translations/uninstall_" + language + ".ts";
    QCOMPARE(readAll(source + name).contains("<translation>RTL</translation>"),
             language == "ar" || language == "ur");

    // Each page in turn, the survey with both answer lines open, then the close dialog.
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
    CheckCloseDlg dialog(driver.window.get());
    const char *const leaveBy[] = {"btnContinue_1", "btnContinue_2", "btnContinue_3", "btnComplete"};
    QStringList cut;
    for (int page = 0; page < 6; ++page) {
        if (page == 5)
            dialog.show();
        QTest::qWait(50); // a layout may ask for another once it has its width
        QWidget *shown = page == 5 ? &dialog : static_cast<QWidget *>(driver.window.get());
        for (const QWidget *widget : shown->findChildren<QWidget *>()) {
            if (widget->isVisibleTo(shown) && !cutText(widget).isEmpty())
                cut << QString::number(page) + ' ' + widget->objectName() + ": " + cutText(widget);
        }
        if (page < 4)
            QTest::mouseClick(driver.child<QAbstractButton>(leaveBy[page]), Qt::LeftButton);
        for (int row = 4; page == 0 && row <= 5; ++row)
            QTest::mouseClick(driver.reasonBox(row), Qt::LeftButton);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

QTEST_MAIN(KitTest)
#include "tst_kit.moc"
