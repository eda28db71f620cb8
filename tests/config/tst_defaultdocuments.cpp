// The reading rules of the installed default documents, seen through the loader's signals.
#include "LoaderTranscript.h"
#include "TestEnvironment.h"

#include "LmSettings.h"

#include <QDir>
#include <QtTest>

namespace {

const QByteArray apps = R"({"recommendApp": {
    "de": [{"icon": "a.png", "name": "Alpha", "url": "a.example", "pic_url": "x"}],
    "default": [{"icon": "d.png", "name": "Default", "url": "d.example"}]}})";
const QByteArray reasons = R"({"uninstallCuaseCheck": true, "users": "5M",
    "uninstallChose": {"de": ["slow", "price"], "default": ["other"]}})";
const QByteArray texts = R"({"uninstallCause": {
    "de": {"slow": "Zu langsam", "price": "Zu teuer", "unused": "-"},
    "default": {"other": "Other"}}})";

const QString missingApps = QStringLiteral(
    "Failed to open DefaultJsonFile file(/recommendApp.json): No such file or directory");

} // namespace

class DefaultDocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsDocuments_data();
    void readsDocuments();
    void rebuildsReasonsOnEveryRun();

private:
    void writeDocument(const QString &name, const QByteArray &content);

    TestEnvironment m_env;
};

void DefaultDocumentsTest::init()
{
    QDir(m_env.resourceRoot() + QStringLiteral("/uninstallConfig")).removeRecursively();
    m_env.clearLogAndUsage();
}

void DefaultDocumentsTest::writeDocument(const QString &name, const QByteArray &content)
{
    if (!content.isNull())
        m_env.writeFile(QStringLiteral("resources/uninstallConfig/") + name, content);
}

void DefaultDocumentsTest::readsDocuments_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("recommendApp");
    QTest::addColumn<QByteArray>("uninstallChose");
    QTest::addColumn<QByteArray>("uninstallCause");
    QTest::addColumn<QStringList>("transcript");
    QTest::addColumn<QStringList>("errors");

    const QString done = QStringLiteral("downLoadResEmit");
    QTest::newRow("current language") << "de" << apps << reasons << texts
                                      << QStringList{"recAppEmit a.png|Alpha|a.example",
                                                     "uninstallCauseEmit check=true users=5M "
                                                     "keys=slow,price "
                                                     "texts=price:Zu teuer,slow:Zu langsam",
                                                     done}
                                      << QStringList();
    QTest::newRow("no such language") << "fr" << apps << reasons << texts
                                      << QStringList{"recAppEmit ",
                                                     "uninstallCauseEmit check=true users=5M "
                                                     "keys=other texts=other:Other",
                                                     done}
                                      << QStringList();
    QTest::newRow("texts follow the reason list, flag as string")
        << "de" << apps << QByteArray(R"({"uninstallCuaseCheck": "true",
                          "uninstallChose": {"de": ["slow", "missing", 7]}})")
        << texts
        << QStringList{"recAppEmit a.png|Alpha|a.example",
                       "uninstallCauseEmit check=false users= keys=slow,missing, "
                       "texts=:,missing:,slow:Zu langsam",
                       done}
        << QStringList();
    QTest::newRow("mixed document counts as apps")
        << "de" << QByteArray() << QByteArray(R"({"uninstallChose": {"de": ["slow"]},
                          "recommendApp": {"de": [{"icon": "m.png"}]}})")
        << texts
        << QStringList{"recAppEmit m.png||",
                       "uninstallCauseEmit check=false users= keys= texts=",
                       done}
        << QStringList{missingApps};
    QTest::newRow("elements that are not objects")
        << "de" << QByteArray(R"({"recommendApp": {"de": [3, "x", {"name": "N"}]}})") << reasons
        << texts
        << QStringList{"recAppEmit ||, ||, |N|",
                       "uninstallCauseEmit check=true users=5M keys=slow,price "
                       "texts=price:Zu teuer,slow:Zu langsam",
                       done}
        << QStringList();
    QTest::newRow("invalid JSON is skipped")
        << "de" << QByteArray(R"({"recommendApp": })") << reasons << QByteArray("[1, 2]")
        << QStringList{done}
        << QStringList{"JSON parsing error:object is missing after a comma\nError offset : 18"};
    QTest::newRow("all files missing")
        << "de" << QByteArray() << QByteArray() << QByteArray() << QStringList{done}
        << QStringList{missingApps,
                       "Failed to open DefaultJsonFile file(/uninstallChose.json): "
                       "No such file or directory",
                       "Failed to open DefaultJsonFile file(/uninstallCause.json): "
                       "No such file or directory"};
}

void DefaultDocumentsTest::readsDocuments()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, recommendApp);
    QFETCH(QByteArray, uninstallChose);
    QFETCH(QByteArray, uninstallCause);
    QFETCH(QStringList, transcript);
    QFETCH(QStringList, errors);
    writeDocument(QStringLiteral("recommendApp.json"), recommendApp);
    writeDocument(QStringLiteral("uninstallChose.json"), uninstallChose);
    writeDocument(QStringLiteral("uninstallCause.json"), uninstallCause);
    LmSettings::instance()->setCurrentLanguage(language);

    // No network manager: the loader waits for its time-out, which the test brings at once.
    UninstallProfile loader;
    LoaderTranscript signalsSeen(&loader);
    loader.readConfigTimeout();

    QCOMPARE(signalsSeen.lines, transcript);
    QCOMPARE(m_env.logLines(QStringLiteral("error")), errors);
}

void DefaultDocumentsTest::rebuildsReasonsOnEveryRun()
{
    writeDocument(QStringLiteral("uninstallChose.json"), reasons);
    writeDocument(QStringLiteral("uninstallCause.json"), texts);
    LmSettings::instance()->setCurrentLanguage(QStringLiteral("de"));
    UninstallProfile loader;
    LoaderTranscript signalsSeen(&loader);

    loader.readConfigTimeout();
    loader.readConfigTimeout();

    QCOMPARE(signalsSeen.lines.size(), 4);
    QVERIFY(signalsSeen.lines[0].contains(QStringLiteral("keys=slow,price ")));
    QCOMPARE(signalsSeen.lines[2], signalsSeen.lines[0]);
}

QTEST_MAIN(DefaultDocumentsTest)
#include "tst_defaultdocuments.moc"
