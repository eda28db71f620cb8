// Remote answers written to do harm: file names that leave the cache, endless, slow, huge and
// deep answers, redirect loops and pictures that do not decode within bounds.
#include "LoaderTranscript.h"
#include "RemoteService.h"

#include "Framework.h"
#include "LmSettings.h"
#include "config/ConfigDocuments.h"
#include "config/UrlHandler.h"

#include <QDirIterator>
#include <QSet>
#include <QtTest>

namespace {

QSet<QString> filesUnder(const QString &root)
{
    QSet<QString> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(it.next());
    return files;
}

QStringList cachedNames()
{
    return QDir(UrlHandler::cacheDirectory()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(HttpTestServer::Response)

class RemoteHostileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fileNameRule_data();
    void fileNameRule();
    void refusedNamesWriteNothingOutsideTheCache();
    void hostileLanguageWritesNothing();
    void hostileAnswers_data();
    void hostileAnswers();

private:
    // Files written under the test's root since `before`, other than the cache, log and settings.
    QStringList writtenOutsideCache(const QSet<QString> &before) const;

    TestEnvironment m_env;
};

void RemoteHostileTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    RemoteService::writeDefaultDocuments(m_env);
    UrlHandler::setTransferTimeout(1000);
    UrlHandler::setDeadline(1500);
}

void RemoteHostileTest::init()
{
    m_env.clearLogAndUsage();
    QDir(UrlHandler::cacheDirectory()).removeRecursively();
    LmSettings::instance()->setApplicationParam("uninstall_version", QVariant());
}

void RemoteHostileTest::cleanup()
{
    LmSettings::instance()->setCurrentLanguage(QString());
    UninstallProfile::setLoadingDeadline(15000);
}

QStringList RemoteHostileTest::writtenOutsideCache(const QSet<QString> &before) const
{
    QStringList written;
    const QString cache = QDir::cleanPath(UrlHandler::cacheDirectory());
    for (const QString &file : filesUnder(m_env.root()) - before) {
        if (!file.startsWith(cache + QLatin1Char('/')) && file != m_env.logFile()
            && file != LmSettings::instance()->fileName())
            written << file;
    }
    return written;
}

void RemoteHostileTest::fileNameRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plain");

    QTest::newRow("icon") << "a.png" << true;
    QTest::newRow("leading dot") << ".icon.png" << true;
    QTest::newRow("device name inside") << "icon-con.png" << true;
    QTest::newRow("COM0 is no device") << "COM0.png" << true;
    QTest::newRow("non-ASCII") << "Übersicht.png" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("three dots") << "..." << false;
    QTest::newRow("trailing dot") << "a.png." << false;
    QTest::newRow("parent") << "../a.png" << false;
    QTest::newRow("sub-directory") << "sub/a.png" << false;
    QTest::newRow("absolute") << "/tmp/a.png" << false;
    QTest::newRow("backslash") << "..\\a.png" << false;
    QTest::newRow("drive") << "C:a.png" << false;
    QTest::newRow("stream") << "a.png:evil" << false;
    QTest::newRow("control character") << QStringLiteral("a\npng") << false;
    QTest::newRow("NUL character") << QString(QStringLiteral("a") + QChar(0) + ".png") << false;
    QTest::newRow("CON") << "CON" << false;
    QTest::newRow("con.png") << "con.png" << false;
    QTest::newRow("NUL with spaces") << "NUL .tar.gz" << false;
    QTest::newRow("PRN") << "Prn.txt" << false;
    QTest::newRow("COM1") << "COM1" << false;
    QTest::newRow("com9.png") << "com9.png" << false;
    QTest::newRow("LPT1") << "LPT1.log" << false;
    QTest::newRow("superscript port") << QStringLiteral("com\u00B9.png") << false;
    QTest::newRow("LPT superscript three") << QStringLiteral("LPT\u00B3") << false;
    QTest::newRow("superscript four is no port") << QStringLiteral("COM\u2074.png") << true;
    QTest::newRow("console output") << "CONOUT$" << false;
    QTest::newRow("console input") << "conin$.png" << false;
}

void RemoteHostileTest::fileNameRule()
{
    QFETCH(QString, name);
    QFETCH(bool, plain);
    QCOMPARE(ConfigDocuments::isPlainFileName(name), plain);
}

void RemoteHostileTest::refusedNamesWriteNothingOutsideTheCache()
{
    const QStringList names{"../escape.png",
                            "ok1.png",
                            "sub/x.png",
                            "..\\w.png",
                            "C:x.png",
                            "..",
                            "",
                            "NUL.png",
                            "ok2.png",
                            "LPT1",
                            // Refused after the last download: the queue still ends once.
                            "/tmp/abs.png"};
    RemoteService service;
    QJsonArray apps;
    for (int i = 0; i < names.size(); ++i) {
        const QString path = QStringLiteral("/icons/%1").arg(i);
        apps.append(QJsonObject{{"icon", names[i]}, {"pic_url", service.url(path).toString()}});
        service.setResponse(path, HttpTestServer::answer(200, RemoteService::image(path)));
    }
    service.setResponse("/apps", HttpTestServer::answer(200, RemoteService::appsDocument(apps)));
    m_env.writeProductIni({{"uninstallConfigURL", service.configUrl()}});
    const QSet<QString> before = filesUnder(m_env.root());

    UninstallProfile loader;
    QSignalSpy finished(&loader, &UninstallProfile::downLoadResEmit);
    QSignalSpy listed(&loader, &UninstallProfile::recAppEmit);

    QVERIFY(finished.wait(5000));
    QVERIFY(!finished.wait(300));
    // The carousel still lists every application; it falls back to its default icon.
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.first().first().value<QVector<RecApp>>().size(), names.size());
    QCOMPARE(RemoteService::picked(service.requestedPaths(),
                                   {"/img/banner_en.png",
                                    "/img/promotion_en.png",
                                    "/icons/1",
                                    "/icons/8"}),
             (QStringList{"/img/banner_en.png", "/img/promotion_en.png", "/icons/1", "/icons/8"}));
    QCOMPARE(service.requestedPaths().filter("/icons/").size(), 2);
    QCOMPARE(cachedNames(),
             (QStringList{"banner_pic_en.png", "ok1.png", "ok2.png", "promotion_pic_en.png"}));
    QCOMPARE(writtenOutsideCache(before), QStringList());
    QVERIFY(!QFile::exists("/tmp/abs.png"));
    QStringList refused;
    for (const QString &name : names) {
        if (!name.startsWith(QLatin1String("ok")))
            refused << QStringLiteral("refused download file name:\"%1\"").arg(name);
    }
    QCOMPARE(m_env.logLines("error"), refused);
}

void RemoteHostileTest::hostileLanguageWritesNothing()
{
    // The language names the banner and promotion files; a code that is not offered is
    // replaced by the product's default before it reaches the loader.
    LmSettings::instance()->setCurrentLanguage("../../up");
    RemoteService service;
    m_env.writeProductIni({{"uninstallConfigURL", service.configUrl()}});
    const QSet<QString> before = filesUnder(m_env.root());

    UninstallProfile loader;
    QSignalSpy finished(&loader, &UninstallProfile::downLoadResEmit);

    QVERIFY(finished.wait(5000));
    QVERIFY(!finished.wait(300));
    QCOMPARE(RemoteService::picked(service.requestedPaths(), RemoteService::imagePaths()),
             RemoteService::imagePaths());
    QCOMPARE(cachedNames(), RemoteService::cachedNames());
    QCOMPARE(writtenOutsideCache(before), QStringList());
    QCOMPARE(m_env.logLines("error"), QStringList());
}

void RemoteHostileTest::hostileAnswers_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<HttpTestServer::Response>("response");
    QTest::addColumn<int>("loadingMs");
    QTest::addColumn<QStringList>("transcript");
    QTest::addColumn<QStringList>("errorLines"); // the start of each, in order
    QTest::addColumn<QStringList>("cached");

    const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
    const QString tooDeep = QStringLiteral(
        "JSON parsing error:too deeply nested document\nError offset : ");
    const QString tooLarge = QStringLiteral("NetworkError error:answer larger than");
    const QString announced = QStringLiteral("NetworkError error:answer announces");
    const QString late = QStringLiteral("NetworkError error:no complete answer within");
    // Documents: the images are cached under this version, so the handler's downLoadResEmit
    // follows its recAppEmit at once.
    const QStringList apps{RemoteService::remoteApps, "downLoadResEmit"};
    const QStringList defaults = RemoteService::defaults;
    // Images: fetched, so the handler's downLoadResEmit comes last.
    const QStringList complete{RemoteService::remoteApps,
                               RemoteService::remoteReasons,
                               "downLoadResEmit"};
    const QStringList noBanner{"a.png", "b.png", "promotion_pic_en.png"};
    QJsonArray manyApps;
    QStringList firstApps;
    for (int i = 0; i < 5000; ++i) {
        manyApps.append(QJsonObject{{"icon", QString::number(i)}});
        if (i < ConfigDocuments::maxRecommendedApps)
            firstApps << QString::number(i) + "||";
    }
    HttpTestServer::Response huge = HttpTestServer::answer(200, QByteArray(5 << 20, 'x'));
    HttpTestServer::Response loop = HttpTestServer::redirect(QUrl("/img/banner_en.png"));

    const auto row = [](const char *name,
                        const QString &path,
                        const HttpTestServer::Response &response,
                        int loadingMs = 10000) -> QTestData & {
        return QTest::newRow(name) << path << response << loadingMs;
    };
    row("apps document over its cap", "/apps", huge)
        << defaults << QStringList{announced} << QStringList();
    row("endless apps document", "/apps", HttpTestServer::endless())
        << defaults << QStringList{tooLarge} << QStringList();
    row("endless configuration", "/config", HttpTestServer::endless())
        << defaults << QStringList{tooLarge} << QStringList();
    row("trickling reason texts", "/cause", HttpTestServer::trickle(100))
        << apps + defaults << QStringList{late} << QStringList();
    row("reason texts held past the loading deadline", "/cause", HttpTestServer::neverAnswer(), 500)
        << apps + defaults << QStringList{"remote documents not complete in time"} << QStringList();
    row("thousands of apps",
        "/apps",
        HttpTestServer::answer(200, RemoteService::appsDocument(manyApps)))
        << QStringList{"recAppEmit " + firstApps.join(", "),
                       "downLoadResEmit",
                       RemoteService::remoteReasons}
        << QStringList() << QStringList();
    row("deep configuration", "/config", HttpTestServer::answer(200, deep))
        << defaults << QStringList{tooDeep} << QStringList();
    row("deep apps document",
        "/apps",
        HttpTestServer::answer(200, R"({"recommendApp": {"en": )" + deep + "}}"))
        << defaults + QStringList{"downLoadResEmit"} << QStringList{tooDeep} << QStringList();
    row("deep reason texts",
        "/cause",
        HttpTestServer::answer(200, R"({"uninstallCause": {"en": {"k": )" + deep + "}}}"))
        << apps + defaults << QStringList{tooDeep} << QStringList();
    row("endless banner", "/img/banner_en.png", HttpTestServer::endless())
        << complete << QStringList{tooLarge} << noBanner;
    row("banner over its cap", "/img/banner_en.png", huge)
        << complete << QStringList{announced} << noBanner;
    // The window leaves its loading page at the deadline; the late end refreshes the pictures.
    row("banner trickling past the loading deadline",
        "/img/banner_en.png",
        HttpTestServer::trickle(100),
        800)
        << complete + QStringList{"downLoadResEmit"}
        << QStringList{"pictures not complete in time", late} << noBanner;
    row("redirect loop", "/img/banner_en.png", loop)
        << complete << QStringList{"NetworkError error:"} << noBanner;
    row("redirected banner", "/img/banner_en.png", HttpTestServer::redirect(QUrl("/icons/a")))
        << complete << QStringList() << RemoteService::cachedNames();
    row("undecodable banner", "/img/banner_en.png", HttpTestServer::answer(200, "\x89PNG not"))
        << complete << QStringList{"download is no picture within bounds"} << noBanner;
    row("banner of huge pixel size",
        "/img/banner_en.png",
        HttpTestServer::answer(200, RemoteService::hugeImage()))
        << complete << QStringList{"download is no picture within bounds"} << noBanner;
}

void RemoteHostileTest::hostileAnswers()
{
    QFETCH(QString, path);
    QFETCH(HttpTestServer::Response, response);
    QFETCH(int, loadingMs);
    QFETCH(QStringList, transcript);
    QFETCH(QStringList, errorLines);
    QFETCH(QStringList, cached);
    if (!path.startsWith(QLatin1String("/img")))
        LmSettings::instance()->setApplicationParam("uninstall_version", "v1");
    UninstallProfile::setLoadingDeadline(loadingMs);
    RemoteService service;
    service.setResponse(path, response);
    m_env.writeProductIni({{"uninstallConfigURL", service.configUrl()}});

    UninstallProfile loader;
    LoaderTranscript lines(&loader);
    QSignalSpy finished(&loader, &UninstallProfile::downLoadResEmit);

    QTRY_COMPARE_WITH_TIMEOUT(lines.lines, transcript, 5000);
    QVERIFY(!finished.wait(300));
    const QStringList errors = m_env.logLines("error");
    QVERIFY2(errors.size() == errorLines.size(), qPrintable(errors.join('\n')));
    for (int i = 0; i < errors.size(); ++i)
        QVERIFY2(errors.at(i).startsWith(errorLines.at(i)), qPrintable(errors.at(i)));
    QCOMPARE(cachedNames(), cached);
}

QTEST_MAIN(RemoteHostileTest)
#include "tst_remotehostile.moc"
