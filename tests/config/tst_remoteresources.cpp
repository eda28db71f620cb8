// The remote documents, pictures and updater against loopback servers that misbehave.
#include "HttpTestServer.h"
#include "SelfSignedCertificate.h"

#include "Framework.h"
#include "LmSettings.h"
#include "config/UninstallProfile.h"
#include "config/UrlHandler.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSslConfiguration>
#include <QtTest>

Q_DECLARE_METATYPE(HttpTestServer::Response)

namespace {

QByteArray png(int width = 2)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImage(width, 1, QImage::Format_RGB32).save(&buffer, "PNG");
    return bytes;
}

QByteArray appsDocument(const QStringList &icons, const QUrl &picture, const QUrl &last = {})
{
    QJsonArray apps;
    for (const QString &icon : icons)
        apps.append(
            QJsonObject{{"icon", icon},
                        {"pic_url",
                         (icon == icons.last() && !last.isEmpty() ? last : picture).toString()}});
    return QJsonDocument(QJsonObject{{"recommendApp", QJsonObject{{"en", apps}}}}).toJson();
}

} // namespace

class RemoteResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hostileServers_data();
    void hostileServers();
    void updaterProof_data();
    void updaterProof();

private:
    QByteArray configuration(const QJsonObject &changes = {}) const;

    TestEnvironment m_env;
    HttpTestServer m_web;
    HttpTestServer m_secure; // redirects to m_web
    SelfSignedCertificate m_identity = SelfSignedCertificate::generate();
    SelfSignedCertificate m_otherHost = SelfSignedCertificate::generate("other.example");
};

void RemoteResourcesTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    QVERIFY2(!m_identity.isNull() && !m_otherHost.isNull(), qPrintable(m_identity.error));
    m_secure.useTls(m_identity.certificate, m_identity.key);
    m_web.setResponse("/loop", HttpTestServer::redirect(m_web.url("/loop")));
    m_secure.setResponse("/img/banner_en.png",
                         HttpTestServer::redirect(m_web.url("/img/banner_en.png")));
    m_env.writeFile("resources/uninstallConfig/recommendApp.json",
                    R"({"recommendApp": {"en": [{"icon": "d.png"}]}})");
    m_env.writeFile("resources/uninstallConfig/uninstallChose.json",
                    R"({"uninstallChose": {"en": ["d"]}})");
    m_env.writeFile("resources/uninstallConfig/uninstallCause.json", R"({"uninstallCause": {}})");
    UrlHandler::setTransferTimeout(1000);
    UrlHandler::setDeadline(1500);
}

QByteArray RemoteResourcesTest::configuration(const QJsonObject &changes) const
{
    QJsonObject document{{"version", "v1"},
                         {"recommendApp", m_web.url("/apps").toString()},
                         {"uninstallChose", m_web.url("/chose").toString()},
                         {"uninstallCause", m_web.url("/cause").toString()},
                         {"banner_pic", m_web.url("/img/banner_").toString()},
                         {"promotion_pic", m_web.url("/img/promotion_").toString()}};
    for (auto it = changes.begin(); it != changes.end(); ++it)
        document.insert(it.key(), it.value());
    return QJsonDocument(document).toJson();
}

void RemoteResourcesTest::hostileServers_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<HttpTestServer::Response>("response");
    QTest::addColumn<bool>("fetchImages"); // else they are cached under this version already
    QTest::addColumn<int>("loadingMs");
    QTest::addColumn<QStringList>("emitted");
    QTest::addColumn<QStringList>("requested"); // the documents, then the pictures, each in order
    QTest::addColumn<QStringList>("cached");

    using S = HttpTestServer;
    const QStringList remote{"apps a.png b.png", "reasons slow", "done"};
    const QStringList defaults{"apps d.png", "reasons d", "done"};
    const QStringList documents{"/config", "/apps", "/chose", "/cause"};
    const QStringList pictures{"/img/banner_en.png",
                               "/img/promotion_en.png",
                               "/icons/a",
                               "/icons/b"};
    const QStringList all{"a.png", "b.png", "banner_pic_en.png", "promotion_pic_en.png"};
    const QStringList noBanner = all.mid(0, 2) + all.mid(3);
    const auto row = [](const char *name,
                        const QString &path,
                        const S::Response &response,
                        bool fetch = false,
                        int loadingMs = 15000) -> QTestData & {
        return QTest::newRow(name) << path << response << fetch << loadingMs;
    };
    row("served", "", {}, true) << remote << documents + pictures << all;
    row("apps never answer", "/apps", S::neverAnswer())
        << defaults << QStringList(documents.mid(0, 2)) << QStringList();
    row("endless apps", "/apps", S::endless())
        << defaults << QStringList(documents.mid(0, 2)) << QStringList();
    S::Response lie = S::answer(200, appsDocument({"a.png"}, {}));
    lie.declaredLength = lie.body.size() + 100;
    row("apps shorter than announced", "/apps", lie)
        << defaults << QStringList(documents.mid(0, 2)) << QStringList();
    row("reasons not found", "/chose", S::answer(404, "{}"))
        << QStringList{remote[0], "done"} + defaults << QStringList(documents.mid(0, 3))
        << QStringList();
    row("reason texts trickling", "/cause", S::trickle(100))
        << QStringList{remote[0], "done"} + defaults << documents << QStringList();
    row("apps from a file",
        "/config",
        S::answer(200, configuration({{"recommendApp", "file:///etc/passwd"}})))
        << defaults << QStringList(documents.mid(0, 1)) << QStringList();
    QStringList names;
    for (int i = 0; i < 100; ++i)
        names << QString::number(i);
    QStringList first64 = names.mid(0, 64) + all.mid(2);
    first64.sort();
    row("only the first 64 icons",
        "/apps",
        S::answer(200, appsDocument(names, m_web.url("/icons/a"))),
        true)
        << QStringList{"apps " + names.mid(0, 64).join(' '), "reasons slow", "done"}
        << documents + pictures.mid(0, 2) + QVector<QString>(64, "/icons/a").toList() << first64;
    const QStringList hostile{"../escape.png",
                              "ok1",
                              "sub/x",
                              "..\\w",
                              "C:x",
                              "..",
                              "",
                              "NUL.png",
                              "ok2",
                              "/tmp/abs.png"};
    row("icon names that leave the cache",
        "/apps",
        S::answer(200, appsDocument(hostile, m_web.url("/icons/a"))),
        true)
        << QStringList{"apps " + hostile.join(' '), "reasons slow", "done"}
        << documents + pictures.mid(0, 2) + QStringList{"/icons/a", "/icons/a"}
        << QStringList{"banner_pic_en.png", "ok1", "ok2", "promotion_pic_en.png"};
    row("undecodable banner", "/img/banner_en.png", S::answer(200, "\x89PNG not"), true)
        << remote << documents + pictures << noBanner;
    row("banner of huge pixel size", "/img/banner_en.png", S::answer(200, png(5000)), true)
        << remote << documents + pictures << noBanner;
    row("huge banner", "/img/banner_en.png", S::endless(5 << 20), true)
        << remote << documents + pictures << noBanner;
    row("banner redirected in a loop", "/img/banner_en.png", S::redirect(m_web.url("/loop")), true)
        << remote << documents + pictures << noBanner;
    row("banner redirected", "/img/banner_en.png", S::redirect(m_web.url("/icons/a")), true)
        << remote << documents + pictures.mid(0, 1) + QStringList{"/icons/a"} + pictures.mid(1)
        << all;
    row("banner redirected from https to http",
        "/config",
        S::answer(200, configuration({{"banner_pic", m_secure.url("/img/banner_").toString()}})),
        true)
        << remote << documents + pictures.mid(1) << noBanner;
    // The window leaves its loading page at the deadline; the late end refreshes the pictures.
    row("banner trickling past the loading deadline", "/img/banner_en.png", S::trickle(100), true, 800)
        << remote + QStringList{"done"} << documents + pictures << noBanner;
}

void RemoteResourcesTest::hostileServers()
{
    QFETCH(QString, path);
    QFETCH(HttpTestServer::Response, response);
    QFETCH(bool, fetchImages);
    QFETCH(int, loadingMs);
    QFETCH(QStringList, emitted);
    QFETCH(QStringList, requested);
    QFETCH(QStringList, cached);
    const QString cache = UrlHandler::cacheDirectory();
    QDir(cache).removeRecursively();
    LmSettings::instance()->setApplicationParam("uninstall_version",
                                                fetchImages ? QVariant() : "v1");
    UninstallProfile::setLoadingDeadline(loadingMs);
    m_web.setResponse("/config", HttpTestServer::answer(200, configuration()));
    m_web.setResponse("/apps",
                      HttpTestServer::answer(200,
                                             appsDocument({"a.png", "b.png"},
                                                          m_web.url("/icons/a"),
                                                          m_web.url("/icons/b"))));
    m_web.setResponse("/chose",
                      HttpTestServer::answer(200, R"({"uninstallChose": {"en": ["slow"]}})"));
    m_web.setResponse("/cause", HttpTestServer::answer(200, R"({"uninstallCause": {"en": {}}})"));
    for (const char *picture : {"/img/banner_en.png", "/img/promotion_en.png", "/icons/a"})
        m_web.setResponse(picture, HttpTestServer::answer(200, png()));
    // Late enough for every document to have arrived first.
    m_web.setResponse("/icons/b", HttpTestServer::answerAfter(300, 200, png()));
    if (!path.isEmpty())
        m_web.setResponse(path, response);
    m_env.writeProductIni({{"uninstallConfigURL", m_web.url("/config").toString()}});
    const int before = m_web.requests().size();

    UninstallProfile loader;
    QStringList seen;
    connect(&loader, &UninstallProfile::recAppEmit, this, [&](const QVector<RecApp> &apps) {
        QStringList icons;
        for (const RecApp &app : apps)
            icons << app.icon;
        seen << (QStringList("apps") + icons).join(' ');
    });
    connect(&loader,
            &UninstallProfile::uninstallCauseEmit,
            this,
            [&](bool, const QVector<QString> &keys) {
                seen << (QStringList("reasons") + keys.toList()).join(' ');
            });
    connect(&loader, &UninstallProfile::downLoadResEmit, this, [&] { seen << "done"; });
    QSignalSpy done(&loader, &UninstallProfile::downLoadResEmit);

    QTRY_COMPARE_WITH_TIMEOUT(seen, emitted, 5000);
    QVERIFY(!done.wait(400));
    QCOMPARE(seen, emitted);
    const QStringList paths = m_web.requestedPaths().mid(before);
    QStringList inOrder;
    for (const char *pattern : {"^/(c|a)", "^/i"})
        inOrder += paths.filter(QRegularExpression(pattern));
    QCOMPARE(inOrder, requested);
    QCOMPARE(QDir(cache).entryList(QDir::Files | QDir::Hidden, QDir::Name), cached);
    QVERIFY(!QFile::exists(cache + "../escape.png"));
}

void RemoteResourcesTest::updaterProof_data()
{
    QTest::addColumn<QString>("server");   // "http", or the certificate an https server shows
    QTest::addColumn<QString>("settings"); // checksum, size cap, strict certificates
    QTest::addColumn<bool>("kept");

    const QString sum = QCryptographicHash::hash(QByteArray::fromHex("7f00010d0a0aff"),
                                                 QCryptographicHash::Sha256)
                            .toHex();
    QTest::newRow("http, checksum") << "http" << sum + "||" << true;
    QTest::newRow("http, checksum in upper case") << "http" << sum.toUpper() + "||" << true;
    QTest::newRow("http, checksum, within its size") << "http" << sum + "|7|" << true;
    QTest::newRow("http, checksum, over its size") << "http" << sum + "|6|" << false;
    QTest::newRow("http, another checksum") << "http" << sum.left(63) + "0||" << false;
    QTest::newRow("http, no checksum") << "http"
                                       << "||" << false;
    QTest::newRow("untrusted") << "untrusted"
                               << "||" << false;
    QTest::newRow("untrusted, checksum") << "untrusted" << sum + "||" << true;
    QTest::newRow("untrusted, strict, checksum") << "untrusted" << sum + "||1" << false;
    QTest::newRow("another host's") << "other host"
                                    << "||" << false;
    QTest::newRow("another host's, checksum") << "other host" << sum + "||" << true;
    QTest::newRow("trusted, strict") << "trusted"
                                     << "||1" << true;
}

void RemoteResourcesTest::updaterProof()
{
    QFETCH(QString, server);
    QFETCH(QString, settings);
    QFETCH(bool, kept);
    const QByteArray program = QByteArray::fromHex("7f00010d0a0aff"); // binary: NUL, CR LF
    const SelfSignedCertificate &identity = server == "other host" ? m_otherHost : m_identity;
    const QSslConfiguration defaults = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = defaults;
    trusting.addCaCertificate(identity.certificate);
    if (server == "trusted" || server == "other host")
        QSslConfiguration::setDefaultConfiguration(trusting);
    HttpTestServer updates;
    if (server != "http")
        updates.useTls(identity.certificate, identity.key);
    updates.setResponse("/updater", HttpTestServer::answer(200, program));
    const QStringList values = settings.split('|');
    m_env.writeProductIni({{"updateAppUrl", updates.url("/updater").toString()},
                           {"updateAppSha256", values[0]},
                           {"updateAppMaxBytes", values[1]},
                           {"uninstallStrictTls", values[2]}});

    UninstallProfile loader;

    // The download goes to a temporary file beside it, removed when the program is not kept.
    const QFileInfo updater(UninstallProfile::updaterPath());
    QTRY_COMPARE(updater.dir().entryList(QDir::Files),
                 kept ? QStringList(updater.fileName()) : QStringList());
    QSslConfiguration::setDefaultConfiguration(defaults);
    if (!kept)
        return;
    QFile file(updater.filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), program);
#ifndef Q_OS_WIN
    QVERIFY(updater.isExecutable());
#endif
}

QTEST_MAIN(RemoteResourcesTest)
#include "tst_remoteresources.moc"
