#include "LmResourceMgr.h"
#include "TestEnvironment.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QtTest>

/// A window with properties that a skin sets, as the wizard's windows have.
class SkinnedWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString textColor MEMBER m_textColor)
    Q_PROPERTY(int lineHeight MEMBER m_lineHeight)
    Q_PROPERTY(QPixmap loadingLab MEMBER m_loadingLab)

public:
    QString m_textColor;
    int m_lineHeight = 0;
    QPixmap m_loadingLab;
};

class TestResourceMgr : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void skinSetsPropertiesAndSearchPath();
    void languageCatalogueOrEnglish();

private:
    TestEnvironment m_env;
};

void TestResourceMgr::initTestCase()
{
    m_env.writeProductIni({}, {{"ResourceRoot", "res"}});
    const QString root = m_env.installDir() + "/res";
    QCOMPARE(LmResourceMgr::instance()->productResourceRoot(), root);
    QCOMPARE(LmResourceMgr::applicationIconPath(), root + "/icon.png");
    QCOMPARE(LmResourceMgr::getBaseZoomDPI(), 96.0);
    QCOMPARE(LmResourceMgr::getZoomDPI(), QGuiApplication::primaryScreen()->logicalDotsPerInch());
}

void TestResourceMgr::skinSetsPropertiesAndSearchPath()
{
    const QList<std::pair<QString, QSize>> skins{{"night", {5, 3}}, {"day", {7, 2}}};
    for (const auto &[skin, size] : skins) {
        m_env.writeFile("res/skins/" + skin + "/uninstall.qss",
                        "SkinnedWidget#window { qproperty-textColor: \"" + skin.toUtf8()
                            + "\"; qproperty-lineHeight: 24; "
                              "qproperty-loadingLab: url(skin:images/loading.png); }\n");
        const QString images = m_env.installDir() + "/res/skins/" + skin + "/images";
        QVERIFY(QDir().mkpath(images));
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(images + "/loading.png"));
    }
    for (const auto &[skin, size] : skins) {
        LmResourceMgr::instance()->setCurrentSkin(skin);
        SkinnedWidget window;
        window.setObjectName("window");
        window.ensurePolished();
        QCOMPARE(window.m_textColor, skin);
        QCOMPARE(window.m_lineHeight, 24);
        QCOMPARE(window.m_loadingLab.size(), size);
        QCOMPARE(QPixmap("skin:images/loading.png").size(), size);
    }
}

void TestResourceMgr::languageCatalogueOrEnglish()
{
    QFile catalogue(GERMAN_CATALOGUE);
    QVERIFY(catalogue.open(QIODevice::ReadOnly));
    m_env.writeFile("res/translations/uninstall_de.qm", catalogue.readAll());
    const auto continueText = [] { return QCoreApplication::translate("Uninstall", "Continue"); };
    LmResourceMgr *resources = LmResourceMgr::instance();
    resources->setCurrentLanguage("de");
    QCOMPARE(continueText(), "Weiter");
    resources->setCurrentLanguage("fr");
    QCOMPARE(continueText(), "Continue");
    m_env.writeFile("res/translations/uninstall_it.qm", "not a catalogue");
    resources->setCurrentLanguage("de");
    resources->setCurrentLanguage("it");
    QCOMPARE(continueText(), "Continue");
    resources->setCurrentLanguage("de");
    resources->setCurrentLanguage("en");
    QCOMPARE(continueText(), "Continue");
    QCOMPARE(m_env.logLines("error").size(), 2); // the missing and the damaged catalogue
}

QTEST_MAIN(TestResourceMgr)
#include "tst_resourcemgr.moc"
