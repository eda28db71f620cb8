// The document rules, and the remote resources against loopback servers that misbehave.
#include "HttpTestServer.h"
#include "SelfSignedCertificate.h"
#include "host/DataDirectory.h"

#include "config/BoundedReply.h"
#include "config/ConfigDocuments.h"
#include "config/UninstallProfile.h"
#include "config/UrlHandler.h"
#include "host/Framework.h"
#include "host/LmSettings.h"

#include <QImageReader>
#include <QSslConfiguration>
#include <QtTest>

Q_DECLARE_METATYPE(HttpTestServer::Response)

namespace {

using S = HttpTestServer;
const QByteArray program = QByteArray::fromHex("7f00010d0a0aff"); // binary: NUL, CR LF

QByteArray png(int width = 2, int height = 1)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QBuffer buffer;
    image.save(&buffer, "PNG");
    return buffer.data();
}

// Applications with these icons, fetched from /icons/b for "b.png", else from /icons/a.
S::Response apps(const QString &icons, const HttpTestServer &web)
{
    QStringList elements;
    for (const QString &icon : icons.split(' '))
        elements << QString(R"({"icon": "%1", "pic_url": "%2"})")
                        .arg(icon, web.url(icon == "b.png" ? "/icons/b" : "/icons/a").toString());
    return S::answer(200, R"({"recommendApp": {"en": [)" + elements.join(',').toUtf8() + "]}}");
}

} // namespace

class ConfigTest : public QObject
{
    Q_OBJECT

private slots:
    void readsContent_data();
    void readsContent();
    void plainFileNames();
    void initTestCase();
    void hostileServers_data();
    void hostileServers();
    void cachedLargerThanShown();
    void updaterProof_data();
    void updaterProof();
    void reportPosts_data();
    void reportPosts();

private:
    S::Response configuration(const QString &key = "version", const QString &value = "v1") const;
    // The configuration, the documents and the pictures as hostileServers serves them.
    void serveEverything();

    TestEnvironment m_env;
    HttpTestServer m_web;
    HttpTestServer m_secure; // redirects to m_web
    SelfSignedCertificate m_identity = SelfSignedCertificate::generate();
    SelfSignedCertificate m_otherHost = SelfSignedCertificate::generate("other.example");
};

void ConfigTest::readsContent_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("content"); // the kind, then what the document gives for "de"

    QTest::newRow("apps") << QByteArray(R"({"recommendApp": {"default": [{"icon": "d.png"}],
        "de": [{"icon": "a.png", "name": "A", "url": "u", "pic_url": "http://x/a"}, 3]}})")
                          << "0 a.png|A|u || a.png<http://x/a <";
    QTest::newRow("apps of no other language")
        << QByteArray(R"({"recommendApp": {"default": [{"icon": "d"}]}})") << "0";
    QTest::newRow("only the first 64 apps")
        << R"({"recommendApp": {"de": [)" + QByteArray(R"({"icon": "i"}, )").repeated(64) + "{}]}}"
        << "0" + QString(" i||").repeated(64) + QString(" i<").repeated(64);
    QTest::newRow("reasons") << QByteArray(R"({"uninstallCuaseCheck": true, "users": "5M",
        "uninstallChose": {"de": ["slow", "price"], "default": ["other"]}})")
                             << "1 1 5M slow,price";
    QTest::newRow("reasons of the default, flag as text, key as number")
        << QByteArray(R"({"uninstallCuaseCheck": "true", "uninstallChose": {"default": ["a", 7]}})")
        << "1 0  a,";
    // The remote documents give every text, the defaults those of their reasons only.
    QTest::newRow("texts") << QByteArray(
        R"({"uninstallCause": {"de": {"slow": "S", "x": "-"}, "default": {"o": "O"}}})")
                           << "2 slow,x=S,- price,slow=,S";
    QTest::newRow("apps before reasons") << QByteArray(
        R"({"uninstallChose": {"de": ["a"]}, "recommendApp": {"de": [{"icon": "m"}]}})")
                                         << "0 m|| m<";
    QTest::newRow("texts of the default, kind from an object only")
        << QByteArray(R"({"recommendApp": [1], "uninstallCause": {"default": {"o": "O"}}})")
        << "2 o=O price,slow=,";
    QTest::newRow("no object") << QByteArray("[1, 2]") << "3";
    QTest::newRow("no JSON") << QByteArray(R"({"recommendApp": })") << "none";
}

void ConfigTest::readsContent()
{
    QFETCH(QByteArray, document);
    const auto content = ConfigDocuments::readContent(document, "de");
    const ConfigDocuments::Content c = content.value_or(ConfigDocuments::Content());
    QStringList parts{content ? QString::number(int(c.kind)) : "none"};
    for (const RecApp &app : c.apps)
        parts << app.icon + '|' + app.name + '|' + app.url;
    for (const DownloadItem &icon : c.icons)
        parts << icon.fileName + '<' + icon.url.toString();
    if (c.kind == ConfigDocuments::Kind::Reasons)
        parts << QString::number(c.singleChoice) << c.users
              << QStringList(c.causeKeys.toList()).join(',');
    for (const auto &texts : {ConfigDocuments::allCauseTexts(c.causeTexts),
                              ConfigDocuments::causeTextsFor(c.causeTexts, {"slow", "price"})}) {
        if (c.kind == ConfigDocuments::Kind::ReasonTexts)
            parts << QStringList(texts.keys()).join(',') + '='
                         + QStringList(texts.values()).join(',');
    }
    QTEST(parts.join(' '), "content");
}

void ConfigTest::plainFileNames()
{
    for (const QString &name :
         QString("a.png .icon.png icon-con.png COM0.png Übersicht.png COM\u2074.png").split(' '))
        QVERIFY2(ConfigDocuments::isPlainFileName(name), qPrintable(name));
    // Names that leave the directory or name a device on some system.
    const QString leaving
        = "|.|..|...|a.png.|a.png |../a|sub/a|/tmp/a|..\\a|C:a|a:b|a\nb|CON|con.png|"
          "NUL .tar.gz|Prn.txt|aux|COM1|com9.png|LPT1.log|com\u00B9.png|LPT\u00B3|"
          "CONOUT$|conin$.png|a"
          + QString(QChar(0)) + "b";
    for (const QString &name : leaving.split('|'))
        QVERIFY2(!ConfigDocuments::isPlainFileName(name), qPrintable(name));
}

void ConfigTest::initTestCase()
{
    QVERIFY(Framework::init(0, 0, nullptr));
    m_secure.useTls(m_identity.certificate, m_identity.key);
    m_secure.setResponse("/img/banner_en.png", S::redirect(m_web.url("/img/banner_en.png")));
    m_secure.setResponse("/self-signed/banner_en.png", S::answer(200, png()));
    m_web.setResponse("/loop", S::redirect(m_web.url("/loop")));
    const QString defaults = "resources/uninstallConfig/";
    m_env.writeFile(defaults + "recommendApp.json", R"({"recommendApp": {"en": [{"icon": "d"}]}})");
    m_env.writeFile(defaults + "uninstallChose.json", R"({"uninstallChose": {"en": ["d"]}})");
    m_env.writeFile(defaults + "uninstallCause.json", R"({"uninstallCause": {}})");
    UrlHandler::setTransferTimeout(1000);
    UrlHandler::setDeadline(1500);
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
    // What was emitted; the documents, then the pictures requested, in order; the files cached,
    // with their pixel size where it is not the 2 x 1 served.
    QTest::addColumn<QString>("path");
    QTest::addColumn<S::Response>("response");
    QTest::addColumn<QString>("strictTls"); // the product's "uninstallStrictTls"
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name,
                        const char *path,
                        const S::Response &r,
                        const QString &strictTls = {}) -> QTestData & {
        return QTest::newRow(name) << QString(path) << r << strictTls;
    };
    const char *banner = "/img/banner_en.png";
    const QString remote = "apps 2|reasons slow|done ; /config /apps /chose /cause ";
    const QString pics = "/img/banner_en.png /img/promotion_en.png /icons/a /icons/b ; ";
    const QString all = pics + "a.png b.png banner_pic_en.png promotion_pic_en.png";
    const QString noBanner = pics + "a.png b.png promotion_pic_en.png";
    const QString defaults = "apps 1|reasons d|done ; /config";
    row("served", "", {}) << remote + all;
    row("apps never answer", "/apps", S::neverAnswer()) << defaults + " /apps ; ";
    row("endless apps", "/apps", S::endless()) << defaults + " /apps ; ";
    row("apps shorter than announced", "/apps", {200, "{}", {}, 100}) << defaults + " /apps ; ";
    row("apps from a file", "/config", configuration("recommendApp", "file:///etc/passwd"))
        << defaults + " ; ";
    row("reasons not found", "/chose", S::answer(404, "{}"))
        << "apps 2|apps 1|reasons d|done|done ; /config /apps /chose " + all;
    row("reason texts trickling", "/cause", S::trickle(100))
        << "apps 2|done|apps 1|reasons d|done ; /config /apps /chose /cause " + all;
    const QString hostile = "../escape.png ok1 sub/x C:x ..  NUL.png ok2 /tmp/abs.png";
    row("icon names that leave the cache", "/apps", apps(hostile, m_web))
        << "apps 9" + remote.mid(6) + pics.left(40)
               + " /icons/a /icons/a ; banner_pic_en.png ok1 ok2 promotion_pic_en.png";
    row("undecodable banner", banner, S::answer(200, "\x89PNG no")) << remote + noBanner;
    row("banner of huge pixel size", banner, S::answer(200, png(5000))) << remote + noBanner;
    row("huge banner", banner, S::endless(5 << 20)) << remote + noBanner;
    // Stored at twice the size shown: the banner stretched over 857 x 70, an icon within 48 x 48.
    row("banner of 4096 x 4096 pixels", banner, S::answer(200, png(4096, 4096)))
        << remote + pics + "a.png b.png banner_pic_en.png 1714x140 promotion_pic_en.png";
    row("icon of 4096 x 2048 pixels", "/icons/a", S::answer(200, png(4096, 2048)))
        << remote + pics + "a.png 96x48 b.png banner_pic_en.png promotion_pic_en.png";
    row("banner redirected in a loop", banner, S::redirect(m_web.url("/loop")))
        << remote + noBanner;
    row("banner from https to http",
        "/config",
        configuration("banner_pic", m_secure.url("/img/banner_").toString()),
        "0")
        << remote + noBanner.mid(19);
    const QString selfSigned = m_secure.url("/self-signed/banner_").toString();
    row("banner self-signed", "/config", configuration("banner_pic", selfSigned))
        << remote + noBanner.mid(19);
    row("banner self-signed, errors allowed", "/config", configuration("banner_pic", selfSigned), "0")
        << remote + all.mid(19);
    // The window leaves its loading page at the deadline; the late end refreshes the pictures.
    row("banner trickling past the loading deadline", banner, S::trickle(100))
        << QString(remote).replace("done ;", "done|done ;") + noBanner;
}

void ConfigTest::hostileServers()
{
    QFETCH(QString, path);
    QFETCH(S::Response, response);
    QFETCH(QString, strictTls);
    const QString cache = DataDirectory::cacheDirectory();
    QDir(cache).removeRecursively();
    LmSettings::instance()->setApplicationParam("uninstall_version", QVariant());
    UninstallProfile::setLoadingDeadline(
        QString(QTest::currentDataTag()).contains("deadline") ? 800 : 15000);
    serveEverything();
    m_web.setResponse(path, response);
    m_env.writeProductIni({{"uninstallConfigURL", m_web.url("/config").toString()},
                           {"uninstallStrictTls", strictTls}});
    const int before = m_web.requests().size();

    UninstallProfile loader;
    QStringList seen;
    connect(&loader, &UninstallProfile::recAppEmit, this, [&](const QVector<RecApp> &apps) {
        seen << "apps " + QString::number(apps.size());
    });
    connect(&loader, &UninstallProfile::uninstallCauseEmit, this, [&](bool, QVector<QString> k) {
        seen << "reasons " + k.value(0);
    });
    connect(&loader, &UninstallProfile::downLoadResEmit, this, [&] { seen << "done"; });
    const auto outcome = [&]() -> QString {
        const QStringList paths = m_web.requestedPaths().mid(before);
        const QStringList inOrder = paths.filter(QRegularExpression("^/(c|a)"))
                                    + paths.filter("/i");
        QStringList cached;
        for (const QString &name : QDir(cache).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
            const QSize size = QImageReader(cache + name).size();
            cached << name;
            if (size != QSize(2, 1))
                cached << QString("%1x%2").arg(size.width()).arg(size.height());
        }
        return seen.join('|') + " ; " + inOrder.join(' ') + " ; " + cached.join(' ');
    };

    QFETCH(QString, expected);
    QTRY_COMPARE_WITH_TIMEOUT(outcome(), expected, 5000);
    QTest::qWait(400); // and nothing follows
    QCOMPARE(outcome(), expected);
}

void ConfigTest::serveEverything()
{
    m_web.setResponse("/config", configuration());
    m_web.setResponse("/apps", apps("a.png b.png", m_web));
    m_web.setResponse("/chose", S::answer(200, R"({"uninstallChose": {"en": ["slow"]}})"));
    m_web.setResponse("/cause", S::answer(200, R"({"uninstallCause": {"en": {}}})"));
    for (const char *picture : {"/img/banner_en.png", "/img/promotion_en.png", "/icons/a"})
        m_web.setResponse(picture, S::answer(200, png()));
    // Late enough for every document to have arrived first.
    m_web.setResponse("/icons/b", S::answerAfter(300, 200, png()));
    m_env.writeProductIni({{"uninstallConfigURL", m_web.url("/config").toString()}});
}

void ConfigTest::cachedLargerThanShown()
{
    // Cached by an earlier run, of the version served now, but larger than an icon is shown.
    const QString cache = DataDirectory::cacheDirectory();
    QDir(cache).removeRecursively();
    QVERIFY(QDir().mkpath(cache));
    QVERIFY(QImage(200, 200, QImage::Format_RGB32).save(cache + "a.png"));
    LmSettings::instance()->setApplicationParam("uninstall_version", "v1");
    UninstallProfile::setLoadingDeadline(15000);
    serveEverything();

    UninstallProfile loader;
    QTRY_COMPARE(QImageReader(cache + "a.png").size(), QSize(2, 1));
}

void ConfigTest::updaterProof_data()
{
    // The server (or its certificate), the checksum, the size cap and strict certificates.
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("kept");

    const QString sum = QCryptographicHash::hash(program, QCryptographicHash::Sha256).toHex();
    QTest::newRow("http, checksum") << "http|" + sum + "||" << true;
    QTest::newRow("http, checksum in upper case, within its size")
        << "http|" + sum.toUpper() + "|7|" << true;
    QTest::newRow("http, checksum, over its size") << "http|" + sum + "|6|" << false;
    QTest::newRow("http, another checksum") << "http|" + sum.left(63) + "0||" << false;
    QTest::newRow("http, no checksum") << QString("http|||") << false;
    QTest::newRow("untrusted") << QString("untrusted|||") << false;
    // Certificate errors are never ignored for the updater, even where the product allows it.
    QTest::newRow("untrusted, checksum, errors allowed") << "untrusted|" + sum + "||0" << false;
    QTest::newRow("another host's") << QString("other host|||") << false;
    QTest::newRow("another host's, checksum") << "other host|" + sum + "||" << false;
    QTest::newRow("trusted, strict") << QString("trusted|||1") << true;
}

void ConfigTest::updaterProof()
{
    QFETCH(QString, settings);
    QFETCH(bool, kept);
    const QStringList values = settings.split('|');
    const SelfSignedCertificate &identity = values[0] == "other host" ? m_otherHost : m_identity;
    const QSslConfiguration defaults = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = defaults;
    trusting.addCaCertificate(identity.certificate);
    QSslConfiguration::setDefaultConfiguration(values[0] == "untrusted" ? defaults : trusting);
    HttpTestServer updates;
    if (values[0] != "http")
        updates.useTls(identity.certificate, identity.key);
    updates.setResponse("/updater", S::answer(200, program));
    m_env.writeProductIni({{"updateAppUrl", updates.url("/updater").toString()},
                           {"updateAppSha256", values[1]},
                           {"updateAppMaxBytes", values[2]},
                           {"uninstallStrictTls", values[3]}});

    UninstallProfile loader;

    // The download goes to a temporary file beside it, removed when the program is not kept.
    const QFileInfo updater(DataDirectory::updaterFile());
    const QStringList expected = kept ? QStringList(updater.fileName()) : QStringList();
    QTRY_COMPARE(updater.dir().entryList(QDir::Files), expected);
    QTest::qWait(300); // a program not kept is not there at once either
    QCOMPARE(updater.dir().entryList(QDir::Files), expected);
    QSslConfiguration::setDefaultConfiguration(defaults);
    QFile file(updater.filePath());
    QVERIFY(!kept || (file.open(QIODevice::ReadOnly) && file.readAll() == program));
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
