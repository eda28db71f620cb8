// Every text of the window's pages and of the close-product dialog fits its widget, unclipped
// and unelided, in every language of the form, with the sample skin at 100 % and each
// language's font family from the sample product.ini. Runs in test mode: nothing is removed.
#include "FormLanguages.h"
#include "Framework.h"
#include "LmResourceMgr.h"
#include "LmSettings.h"
#include "LmSingleInstance.h"
#include "ProductIni.h"
#include "TestEnvironment.h"
#include "WindowDriver.h"
#include "checkclose/CheckCloseDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QtTest>

namespace {

enum Page { Discount, Survey, Upgrade, Progress, Finish, CloseDialog };
const char *const pageNames[] = {"discount", "survey", "upgrade", "progress", "finish", "dialog"};

QString textOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return {};
}

// Empty when the widget's text shows whole; else what is cut off and by how much.
QString cutOff(const QWidget *widget)
{
    QSize needed = widget->sizeHint();
    const auto *label = qobject_cast<const QLabel *>(widget);
    if (label && label->wordWrap()) // the longest word on a line, then the lines it needs
        needed = QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
    QRect shown = widget->rect();
    for (const QWidget *ancestor = widget->parentWidget(); ancestor;
         ancestor = ancestor->isWindow() ? nullptr : ancestor->parentWidget())
        shown &= QRect(widget->mapFrom(ancestor, QPoint()), ancestor->size());
    if (needed.width() <= shown.width() && needed.height() <= shown.height()
        && shown == widget->rect())
        return {};
    return QStringLiteral("%1 needs %2x%3, shows %4x%5 of %6x%7: %8")
        .arg(widget->objectName())
        .arg(needed.width())
        .arg(needed.height())
        .arg(shown.width())
        .arg(shown.height())
        .arg(widget->width())
        .arg(widget->height())
        .arg(textOf(widget).left(60));
}

} // namespace

class KitTextFitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyTextFits_data();
    void everyTextFits();

private:
    void openIn(const QString &language, const QString &family);
    void advance();

    TestEnvironment m_environment;
    WindowDriver m_driver;
    std::unique_ptr<CheckCloseDlg> m_dialog;
    ProductIni m_product;
    QString m_language;
    int m_page = Discount;
};

void KitTextFitTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    m_environment.writeProductIni({{QStringLiteral("uninstallTest"), QStringLiteral("1")}});
    m_environment.installKitResources();
    const QDir catalogues(QStringLiteral(KIT_CATALOGUE_DIR));
    for (const QString &name : catalogues.entryList({QStringLiteral("*.qm")}))
        QVERIFY(QFile::copy(catalogues.filePath(name),
                            m_environment.resourceRoot() + QStringLiteral("/translations/") + name));
    LmResourceMgr::instance()->setCurrentSkin(QStringLiteral("default"));
    m_product = ProductIni::load(TestEnvironment::sourceDir()
                                 + QStringLiteral("/kit/product.ini.in"));
}

void KitTextFitTest::cleanupTestCase()
{
    m_dialog.reset();
    m_driver.close();
    LmSingleInstance::release();
}

void KitTextFitTest::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("page");
    for (const QString &language : formLanguages()) {
        for (int page = Discount; page <= CloseDialog; ++page)
            QTest::addRow("%s %s", qPrintable(language), pageNames[page]) << language << page;
    }
}

void KitTextFitTest::openIn(const QString &language, const QString &family)
{
    m_dialog.reset();
    m_driver.close();
    LmSingleInstance::release();
    QApplication::setFont(QFont(family, 10));
    LmSettings::instance()->setCurrentLanguage(language);
    LmResourceMgr::instance()->setCurrentLanguage(language);
    m_driver.open();
    m_language = language;
    m_page = Discount;
}

void KitTextFitTest::advance()
{
    switch (m_page) {
    case Discount:
        m_driver.click("btnContinue_1");
        // Both answer lines open: the survey at its fullest.
        QTest::mouseClick(m_driver.reasonBox(4), Qt::LeftButton);
        QTest::mouseClick(m_driver.reasonBox(5), Qt::LeftButton);
        break;
    case Survey:
        m_driver.click("btnContinue_2");
        break;
    case Upgrade:
        m_driver.click("btnContinue_3");
        break;
    case Progress:
        m_driver.click("btnComplete");
        break;
    case Finish:
        m_dialog = std::make_unique<CheckCloseDlg>(m_driver.window());
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        break;
    }
    ++m_page;
}

void KitTextFitTest::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(int, page);
    QString family = m_product.value(QStringLiteral("Extend.") + language,
                                     QStringLiteral("fontFamily"));
    if (family.isEmpty())
        family = m_product.value(QStringLiteral("Extend"), QStringLiteral("fontFamily"));
    if (!QFontDatabase().families().contains(family))
        QSKIP(qPrintable(family + QStringLiteral(" is not installed (scripts/install-deps)")));
    if (language != m_language || page < m_page)
        openIn(language, family);
    while (m_page < page)
        advance();
    for (int pass = 0; pass < 3; ++pass) // a layout may ask for another once it has its width
        QApplication::processEvents();
    QCOMPARE(m_driver.child<QWidget>("optionLineEdit_2")->isVisible(), page == Survey);

    QWidget *shown = page == CloseDialog ? static_cast<QWidget *>(m_dialog.get())
                                         : m_driver.window();
    QStringList faults;
    int texts = 0;
    for (const QWidget *widget : shown->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(shown) || textOf(widget).isEmpty())
            continue;
        ++texts;
        const QString fault = cutOff(widget);
        if (!fault.isEmpty())
            faults << fault;
    }
    QVERIFY(texts >= 3);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(KitTextFitTest)
#include "tst_kittextfit.moc"
