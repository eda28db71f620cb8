// The document rules, and the remote resources against loopback servers that misbehave.
#include "HttpTestServer.h"
#include "SelfSignedCertificate.h"

#include "config/BoundedReply.h"
#include "config/ConfigDocuments.h"
#include "config/SurveyState.h"
#include "config/UninstallProfile.h"
#include "config/UrlHandler.h"
#include "host/Framework.h"
#include "host/LmSettings.h"
#include "host/RunContext.h"

#include <QImageReader>
#include <QSslConfiguration>
#include <QtTest>

Q_DECLARE_METATYPE(HttpTestServer::Response)

namespace {

using S = HttpTestServer;
using Cache = QMap<QString, QSize>;     // the cached pictures by file name, with their pixel size
using Strings = QMap<QString, QString>; // reason texts, or product entries, by key
const QByteArray program = QByteArray::fromHex("7f00010d0a0aff"); // binary: NUL, CR LF
const QString banner = "/img/banner_en.png";

QByteArray png(int width = 2, int height = 1)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QBuffer buffer;
    image.save(&buffer, "PNG");
    return buffer.data();
}

// Applications with these icons, fetched from /icons/b for "b.png", else from /icons/a.
S::Response apps(const QStringList &icons, const HttpTestServer &web)
{
    QJsonArray elements;
    for (const QString &icon : icons)
        elements.append(
            QJsonObject{{"icon", icon},
                        {"pic_url", web.url(icon == "b.png" ? "/icons/b" : "/icons/a").toString()}});
    const QJsonObject document{{"recommendApp", QJsonObject{{"en", elements}}}};
    return S::answer(200, QJsonDocument(document).toJson());
}

// These pictures, each of the 2 x 1 pixels served unless resized.
Cache cached(const QStringList &names, const Cache &resized = {})
{
    Cache cache;
    for (const QString &name : names)
        cache.insert(name, resized.value(name, QSize(2, 1)));
    return cache;
}

// Icon names never stored: each leaves the cache or names a device on some system.
QStringList unstoredNames()
{
    QStringList
        names{"",         ".",        "..",          "...",           "a.png.",    "a.png ",
              "sub/a",    "/tmp/a",   "..\\a",       "C:a",           "a:b",       "a\nb",
              "CON",      "con.png",  "NUL .tar.gz", "Prn.txt",       "aux",       "COM1",
              "com9.png", "LPT1.log", "CONOUT$",     "com\u00B9.png", "LPT\u00B3", "conin$.png"};
    // Out of the cache and back in: stored, this name would show among the cached pictures.
    return names << "../pictures/up.png" << QString("a") + QChar(0) + "b";
}

} // namespace

class ConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void readsApps();
    void readsSurvey();
    void initTestCase();
    void hostileServers_data();
    void hostileServers();
    void updaterProof_data();
    void updaterProof();
    void reportPosts_data();
    void reportPosts();

private:
    S::Response configuration(const QString &key = "version", const QString &value = "v1") const;

    TestEnvironment m_env;
    RunContext m_run; // an installation whose loaders ask m_web for "/config"
    HttpTestServer m_web;
    HttpTestServer m_secure; // redirects to m_web
    SelfSignedCertificate m_identity = SelfSignedCertificate::generate();
    SelfSignedCertificate m_otherHost = SelfSignedCertificate::generate("other.example");
};

void ConfigTest::readsApps()
{
    // The language's apps only, up to 64 of them, before the reasons; a non-object one is empty.
    const QByteArray document = R"({"uninstallChose": {"de": ["a"]}, "recommendApp": {"default":
        [{"icon": "d"}], "de": [{"icon": "a.png", "name": "A", "url": "u", "pic_url": "http://x/a"},
        3)" + QByteArray(R"(, {"icon": "i"})").repeated(63)
                                + "]}}";
    const ConfigDocuments::Content content = ConfigDocuments::readContent(document, "de").value();
    QCOMPARE(content.kind, ConfigDocuments::Kind::RecommendedApps);
    QCOMPARE(content.apps.size(), 64);
    QCOMPARE(content.apps.at(0).icon, "a.png");
    QCOMPARE(content.apps.at(0).name, "A");
    QCOMPARE(content.apps.at(0).url, "u");
    QCOMPARE(content.apps.at(1).icon, QString());
    QCOMPARE(content.icons.at(0).fileName, "a.png");
    const QByteArray english = R"({"recommendApp": {"en": [{}]}})";
    QVERIFY(ConfigDocuments::readContent(english, "de").value().apps.isEmpty());
    QCOMPARE(ConfigDocuments::readContent("[1, 2]", "de").value().kind,
             ConfigDocuments::Kind::Unknown);
    QVERIFY(!ConfigDocuments::readContent(R"({"recommendApp": })", "de"));
}

void ConfigTest::readsSurvey()
{
    // Read in turn for the language "de": the installed defaults keep the texts of their reasons
    // only (a key that is no string is empty), the downloaded copies every text of the document.
    SurveyState installed, downloaded;
    const QByteArray reasons = R"({"uninstallCuaseCheck": true, "users": "5M",
        "uninstallChose": {"de": ["slow", 7], "default": ["other"]}})";
    const QByteArray texts = R"({"recommendApp": [1], "uninstallCause": {"default": {"slow": "S",
        "x": "-"}}})";
    for (const QByteArray &document : {reasons, texts}) {
        const ConfigDocuments::Content content = ConfigDocuments::readContent(document, "de").value();
        QCOMPARE(installed.take(content, SurveyState::Texts::OfListedReasons), document == texts);
        downloaded.take(content, SurveyState::Texts::All);
    }
    QCOMPARE(installed.singleChoice, true);
    QCOMPARE(installed.keys, (QVector<QString>{"slow", ""}));
    QCOMPARE(installed.users, "5M");
    QCOMPARE(installed.texts, (Strings{{"slow", "S"}, {"", ""}}));
    QCOMPARE(downloaded.texts, (Strings{{"slow", "S"}, {"x", "-"}}));
    // A flag that is no boolean reads as false; a language without reasons takes the default's.
    const QByteArray notBoolean = R"({"uninstallCuaseCheck": "true", "uninstallChose": {
        "default": ["o"]}})";
    const ConfigDocuments::Content other = ConfigDocuments::readContent(notBoolean, "de").value();
    QCOMPARE(other.singleChoice, false);
    QCOMPARE(other.causeKeys, QVector<QString>{"o"});
}

void ConfigTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    m_secure.useTls(m_identity.certificate, m_identity.key);
    m_secure.setResponse(banner, S::redirect(m_web.url(banner)));
    m_secure.setResponse("/self-signed/banner_en.png", S::answer(200, png()));
    m_web.setResponse("/loop", S::redirect(m_web.url("/loop")));
    const QString defaults = "resources/uninstallConfig/";
    m_env.writeFile(defaults + "recommendApp.json", R"({"recommendApp": {"en": [{"icon": "d"}]}})");
    m_env.writeFile(defaults + "uninstallChose.json", R"({"uninstallChose": {"en": ["d"]}})");
    m_env.writeFile(defaults + "uninstallCause.json", R"({"uninstallCause": {}})");
    UrlHandler::setTransferTimeout(1000);
    UrlHandler::setDeadline(1500);
    m_run.resourceRoot = m_env.resourceRoot();
    m_run.language = "en";
    m_run.configUrl = m_web.url("/config").toString();
    m_run.cacheDirectory = m_env.root() + "/pictures/";
    m_run.updaterFile = m_env.root() + "/updater/Demo Suite.exe";
}

S::Response ConfigTest::configuration(const QString &key, const QString &value) const
{
    QJsonObject document{{"version", "v1"},
                         {"recommendApp", m_web.url("/apps").toString()},
                         {"uninstallChose", m_web.url("/chose").toString()},
                         {"uninstallCause", m_web.url("/cause").toString()},
                         {"banner_pic", m_web.url("/img/banner_").toString()},
                         {"promotion_pic", m_web.url("/img/promotion_").toString()}};
    document.insert(key, value);
    return S::answer(200, QJsonDocument(document).toJson());
}

void ConfigTest::hostileServers_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<S::Response>("response");
    QTest::addColumn<QString>("strictTls");    // the product's "uninstallStrictTls"
    QTest::addColumn<Cache>("earlier");        // cached by an earlier run, of the version "v1"
    QTest::addColumn<QStringList>("expected"); // the signals, in order
    QTest::addColumn<Cache>("cache");
    const auto row = [](auto name, QString path, S::Response r, QString tls = {}, Cache earlier = {})
        -> QTestData & { return QTest::newRow(name) << path << r << tls << earlier; };
    const QStringList remote{"remote apps", "remote reasons", "done"};
    const QStringList defaults{"default apps", "default reasons", "done"};
    const QStringList names{"a.png", "b.png", "banner_pic_en.png", "promotion_pic_en.png"};
    const Cache all = cached(names);
    const Cache bannerMissing = cached({"a.png", "b.png", "promotion_pic_en.png"});
    row("served", "", {}) << remote << all;
    row("configuration never answers", "/config", S::neverAnswer()) << defaults << Cache();
    row("apps never answer", "/apps", S::neverAnswer()) << defaults << Cache();
    row("endless apps", "/apps", S::endless()) << defaults << Cache();
    row("apps shorter than announced", "/apps", {200, "{}", {}, 100}) << defaults << Cache();
    row("apps from a file", "/config", configuration("recommendApp", "file:///etc/passwd"))
        << defaults << Cache();
    row("reasons not found", "/chose", S::answer(404, "{}"))
        << QStringList{"remote apps", "default apps", "default reasons", "done", "done"} << all;
    row("reason texts trickling", "/cause", S::trickle(100))
        << QStringList{"remote apps", "done", "default apps", "default reasons", "done"} << all;
    const QStringList plain{"a.png", ".a.png", "a-con.png", "COM0.png", "Ü.png", "COM\u2074.png"};
    row("icon names: only plain ones stored", "/apps", apps(unstoredNames() + plain, m_web))
        << remote << cached(plain + QStringList{"banner_pic_en.png", "promotion_pic_en.png"});
    row("undecodable banner", banner, S::answer(200, "\x89PNG no")) << remote << bannerMissing;
    row("banner of huge pixel size", banner, S::answer(200, png(5000))) << remote << bannerMissing;
    row("huge banner", banner, S::endless(5 << 20)) << remote << bannerMissing;
    row("banner redirected in a loop", banner, S::redirect(m_web.url("/loop")))
        << remote << bannerMissing;
    // Stored at twice the size shown: the banner stretched over 857 x 70, an icon within 48 x 48.
    row("banner of 4096 x 4096 pixels", banner, S::answer(200, png(4096, 4096)))
        << remote << cached(names, {{"banner_pic_en.png", QSize(1714, 140)}});
    row("icon of 4096 x 2048 pixels", "/icons/a", S::answer(200, png(4096, 2048)))
        << remote << cached(names, {{"a.png", QSize(96, 48)}});
    const QString secure = m_secure.url("/").toString();
    const S::Response downgraded = configuration("banner_pic", secure + "img/banner_");
    const S::Response selfSigned = configuration("banner_pic", secure + "self-signed/banner_");
    row("banner from https to http", "/config", downgraded, "0") << remote << bannerMissing;
    row("banner self-signed", "/config", selfSigned) << remote << bannerMissing;
    row("banner self-signed, errors allowed", "/config", selfSigned, "0") << remote << all;
    // The window leaves its loading page at the deadline; the late end refreshes the pictures.
    row("banner trickling past the loading deadline", banner, S::trickle(100))
        << QStringList{"remote apps", "remote reasons", "done", "done"} << bannerMissing;
    const Cache icon = cached({"a.png"});
    row("same version cached: no picture fetched", "", {}, {}, icon)
        << QStringList{"remote apps", "done", "remote reasons"} << icon;
    row("new version: every picture fetched", "/config", configuration("version", "v2"), {}, icon)
        << remote << all;
    // Decoded only up to the size shown: a larger one is dropped and its version fetched again.
    row("cached icon larger than shown: every picture fetched", "", {}, {}, {{"a.png", {200, 200}}})
        << remote << all;
}

void ConfigTest::hostileServers()
{
    QFETCH(QString, path);
    QFETCH(QString, strictTls);
    QFETCH(Cache, earlier);
    const QString cache = m_run.cacheDirectory;
    QDir(cache).removeRecursively();
    QVERIFY(QDir().mkpath(cache));
    for (auto picture = earlier.cbegin(); picture != earlier.cend(); ++picture)
        QVERIFY(QImage(picture.value(), QImage::Format_RGB32).save(cache + picture.key()));
    LmSettings::instance()->setApplicationParam("uninstall_version", earlier.isEmpty() ? "" : "v1");
    UninstallProfile::setLoadingDeadline(
        QString(QTest::currentDataTag()).contains("deadline") ? 800 : 15000);
    m_web.setResponse("/config", configuration());
    m_web.setResponse("/apps", apps({"a.png", "b.png"}, m_web));
    m_web.setResponse("/chose", S::answer(200, R"({"uninstallChose": {"en": ["slow"]}})"));
    m_web.setResponse("/cause", S::answer(200, R"({"uninstallCause": {"en": {}}})"));
    for (const QString &picture : {banner, QString("/img/promotion_en.png"), QString("/icons/a")})
        m_web.setResponse(picture, S::answer(200, png()));
    // Late enough for every document to have arrived first.
    m_web.setResponse("/icons/b", S::answerAfter(300, 200, png()));
    QFETCH(S::Response, response);
    m_web.setResponse(path, response);
    m_env.writeProductIni({{"uninstallStrictTls", strictTls}});

    UninstallProfile loader(m_run, {});
    // The installed defaults offer the one app "d" and the one reason "d".
    QStringList emitted;
    connect(&loader, &UninstallProfile::recAppEmit, this, [&](const QVector<RecApp> &apps) {
        emitted << (apps.size() == 1 && apps[0].icon == "d" ? "default apps" : "remote apps");
    });
    connect(&loader, &UninstallProfile::uninstallCauseEmit, this, [&](bool, QVector<QString> keys) {
        emitted << (keys == QVector<QString>{"d"} ? "default reasons" : "remote reasons");
    });
    connect(&loader, &UninstallProfile::downLoadResEmit, this, [&] { emitted << "done"; });
    QFETCH(QStringList, expected);
    // A configuration that does not answer is given up after 3 s, well within this bound.
    QTRY_COMPARE_WITH_TIMEOUT(emitted, expected, 6000);
    // Nothing tells that no more signals come: a short wait gives a late one the time to show.
    QTest::qWait(300);
    QCOMPARE(emitted, expected);
    Cache stored;
    for (const QFileInfo &file : QDir(cache).entryInfoList(QDir::Files | QDir::Hidden))
        stored.insert(file.fileName(), QImageReader(file.filePath()).size());
    QTEST(stored, "cache");
}

void ConfigTest::updaterProof_data()
{
    // Over http, or over https with this certificate: "trusted", "untrusted" or "other host".
    QTest::addColumn<QString>("server");
    QTest::addColumn<Strings>("product"); // the product's entries besides "updateAppUrl"
    QTest::addColumn<bool>("kept");
    const QString sum = QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex();
    const QString checksum = "updateAppSha256";
    QTest::newRow("http, checksum") << "http" << Strings{{checksum, sum}} << true;
    QTest::newRow("http, checksum in upper case, within its size")
        << "http" << Strings{{checksum, sum.toUpper()}, {"updateAppMaxBytes", "7"}} << true;
    QTest::newRow("http, checksum, over its size")
        << "http" << Strings{{checksum, sum}, {"updateAppMaxBytes", "6"}} << false;
    QTest::newRow("http, wrong checksum")
        << "http" << Strings{{checksum, sum.left(63) + "0"}} << false;
    QTest::newRow("http, no checksum") << "http" << Strings() << false;
    // Certificate errors are never ignored for the updater, even where the product allows it.
    QTest::newRow("untrusted, checksum, errors allowed")
        << "untrusted" << Strings{{checksum, sum}, {"uninstallStrictTls", "0"}} << false;
    QTest::newRow("another host's, checksum") << "other host" << Strings{{checksum, sum}} << false;
    QTest::newRow("trusted, strict") << "trusted" << Strings{{"uninstallStrictTls", "1"}} << true;
}

void ConfigTest::updaterProof()
{
    QFETCH(QString, server);
    QFETCH(Strings, product);
    QFETCH(bool, kept);
    const SelfSignedCertificate &identity = server == "other host" ? m_otherHost : m_identity;
    const QSslConfiguration defaults = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = defaults;
    trusting.addCaCertificate(identity.certificate);
    QSslConfiguration::setDefaultConfiguration(server == "untrusted" ? defaults : trusting);
    HttpTestServer updates;
    if (server != "http")
        updates.useTls(identity.certificate, identity.key);
    updates.setResponse("/updater", S::answer(200, program));
    m_env.writeProductIni(product);
    RunContext run = m_run;
    run.configUrl.clear();
    run.updaterUrl = updates.url("/updater").toString();

    UninstallProfile loader(run, {});
    // The download has ended, the program kept or dropped, when its reply is gone.
    BoundedReply *download = loader.findChildren<BoundedReply *>().last();
    QCOMPARE(download->url().path(), "/updater");
    QSignalSpy ended(download, &QObject::destroyed);
    QVERIFY(ended.wait(5000));
    QSslConfiguration::setDefaultConfiguration(defaults);
    // It was downloaded to a temporary file beside it, removed when the program is not kept.
    const QFileInfo updater(run.updaterFile);
    QCOMPARE(updater.dir().entryList(QDir::Files),
             kept ? QStringList{updater.fileName()} : QStringList());
    QFile file(updater.filePath());
    if (kept) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), program);
    }
#ifndef Q_OS_WIN
    QCOMPARE(updater.isExecutable(), kept);
#endif
}

void ConfigTest::reportPosts_data()
{
    QTest::addColumn<QUrl>("service");
    QTest::addColumn<S::Response>("answer");
    QTest::addColumn<QString>("strictTls"); // the product's "uninstallStrictTls"
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QStringList>("posted"); // where over http a POST with the report arrived

    const QUrl report = m_web.url("/report");
    for (int status : {302, 303, 307})
        QTest::addRow("moved with %d", status)
            << report << S::Response{status, {}, {}, -1, 0, m_web.url("/moved").toEncoded()} << ""
            << true << QStringList{"/report", "/moved"};
    QTest::newRow("moved in a loop") << report << S::redirect(report) << "" << false
                                     << QStringList(QVector<QString>(6, "/report").toList());
    for (const char *strictTls : {"", "0"})
        QTest::addRow("self-signed, uninstallStrictTls=%s", strictTls)
            << m_secure.url("/report") << S::answer(200, "ok") << strictTls << false
            << QStringList();
}

void ConfigTest::reportPosts()
{
    QFETCH(QUrl, service);
    QFETCH(S::Response, answer);
    QFETCH(QString, strictTls);
    m_env.writeProductIni({{"uninstallStrictTls", strictTls}});
    (service.scheme() == "https" ? m_secure : m_web).setResponse("/report", answer);
    m_web.setResponse("/moved", S::answer(200, "ok"));
    const int before = m_web.requests().size();
    const QByteArray body = R"({"tid":"12052026013015","userEmail":"a@example.com"})";

    QNetworkAccessManager manager; // the wizard's reports have one of their own
    std::unique_ptr<BoundedReply> reply(
        BoundedReply::post(&manager, service.toString(), body, {1000, 3000, 1 << 20}));
    QSignalSpy finished(reply.get(), &BoundedReply::finished);
    QVERIFY(finished.wait(5000));
    QStringList posted;
    for (const S::Request &request : m_web.requests().mid(before))
        if (request.method == "POST" && request.body == body)
            posted << request.path;
    QTEST(reply->succeeded(), "confirmed");
    QTEST(posted, "posted");
}

QTEST_MAIN(ConfigTest)
#include "tst_config.moc"
