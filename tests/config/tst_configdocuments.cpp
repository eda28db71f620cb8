// The reading rules of the configuration documents and of the names of cached files.
#include "config/ConfigDocuments.h"

#include <QtTest>

class ConfigDocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void readsContent_data();
    void readsContent();
    void readsConfiguration();
    void plainFileNames();
};

void ConfigDocumentsTest::readsContent_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("content"); // kind, then what the document gives for "de"
    const auto row = [](const char *name, const QByteArray &document, const QString &content) {
        QTest::newRow(name) << document << content;
    };
    row("apps",
        R"({"recommendApp": {"default": [{"icon": "d.png"}],
        "de": [{"icon": "a.png", "name": "A", "url": "u", "pic_url": "http://x/a"}]}})",
        "0 a.png|A|u<http://x/a");
    row("apps of no other language", R"({"recommendApp": {"default": [{"icon": "d"}]}})", "0");
    row("apps that are no objects", R"({"recommendApp": {"de": [3, {"name": "N"}]}})", "0 ||< |N|<");
    QByteArray many = R"({"recommendApp": {"de": [{"icon": "0"})";
    QString first64 = "0 0||<";
    for (int i = 1; i < 100; ++i) {
        many += R"(, {"icon": ")" + QByteArray::number(i) + "\"}";
        first64 += i < 64 ? QStringLiteral(" %1||<").arg(i) : QString();
    }
    row("only the first 64 apps", many + "]}}", first64);
    row("reasons",
        R"({"uninstallCuaseCheck": true, "users": "5M",
        "uninstallChose": {"de": ["slow", "price"], "default": ["other"]}})",
        "1 single 5M slow,price");
    row("reasons of the default",
        R"({"uninstallChose": {"default": ["other"]}})",
        "1 multiple  other");
    row("flag as text, key as number",
        R"({"uninstallCuaseCheck": "true", "uninstallChose": {"de": ["a", 7]}})",
        "1 multiple  a,");
    row("texts",
        R"({"uninstallCause": {"de": {"slow": "Slow", "x": "-"}, "default": {"o": "O"}}})",
        "2 slow:Slow,x:- / price:,slow:Slow");
    row("texts of the default",
        R"({"uninstallCause": {"default": {"o": "O"}}})",
        "2 o:O / price:,slow:");
    row("apps before reasons",
        R"({"uninstallChose": {"de": ["a"]}, "recommendApp": {"de": [{"icon": "m"}]}})",
        "0 m||<");
    row("kind from an object only",
        R"({"recommendApp": [1], "uninstallCause": {}})",
        "2  / price:,slow:");
    row("no object", "[1, 2]", "3");
    row("no JSON", R"({"recommendApp": })", "none");
}

void ConfigDocumentsTest::readsContent()
{
    QFETCH(QByteArray, document);
    const auto content = ConfigDocuments::readContent(document, "de");
    QStringList parts{content ? QString::number(int(content->kind)) : "none"};
    for (int i = 0; content && i < content->apps.size(); ++i) {
        const RecApp &app = content->apps[i];
        QCOMPARE(content->icons[i].fileName, app.icon);
        parts << app.icon + '|' + app.name + '|' + app.url + '<' + content->icons[i].url.toString();
    }
    if (content && content->kind == ConfigDocuments::Kind::Reasons)
        parts << (content->singleChoice ? "single" : "multiple") << content->users
              << QStringList(content->causeKeys.toList()).join(',');
    const auto join = [](const QMap<QString, QString> &texts) {
        QStringList pairs;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            pairs << it.key() + ':' + it.value();
        return pairs.join(',');
    };
    // The defaults show the texts of their reasons only, the remote documents all of them.
    if (content && content->kind == ConfigDocuments::Kind::ReasonTexts)
        parts << join(ConfigDocuments::allCauseTexts(content->causeTexts)) << "/"
              << join(ConfigDocuments::causeTextsFor(content->causeTexts, {"slow", "price"}));
    QTEST(parts.join(' '), "content");
}

void ConfigDocumentsTest::readsConfiguration()
{
    const auto c = ConfigDocuments::readConfiguration(
        R"({"version": "v2", "banner_pic": "http://x/b_", "promotion_pic": "https://y/p_",
            "recommendApp": "http://x/a", "uninstallChose": "r", "uninstallCause": 3})",
        "de");
    QVERIFY(c && c->downloads.size() == 2);
    QCOMPARE(c->version + ' ' + c->recommendAppUrl + ' ' + c->uninstallChoseUrl + ' '
                 + c->uninstallCauseUrl,
             "v2 http://x/a r ");
    QCOMPARE(c->downloads[0].url.toString() + ' ' + c->downloads[0].fileName,
             "http://x/b_de.png banner_pic_de.png");
    QCOMPARE(c->downloads[1].url.toString() + ' ' + c->downloads[1].fileName,
             "https://y/p_de.png promotion_pic_de.png");
    QVERIFY(!ConfigDocuments::readConfiguration("[]", "de"));
}

void ConfigDocumentsTest::plainFileNames()
{
    for (const QString &name :
         QString("a.png|.icon.png|icon-con.png|COM0.png|Übersicht.png|COM\u2074.png").split('|'))
        QVERIFY2(ConfigDocuments::isPlainFileName(name), qPrintable(name));
    // Names that leave the directory or name a device on some system.
    const QString leaving
        = "|.|..|...|a.png.|a.png |../a|sub/a|/tmp/a|..\\a|C:a|a:b|a\nb|CON|con.png|"
          "NUL .tar.gz|Prn.txt|aux|COM1|com9.png|LPT1.log|com\u00B9.png|LPT\u00B3|"
          "CONOUT$|conin$.png";
    for (const QString &name : leaving.split('|') + QStringList(QString("a") + QChar(0) + "b"))
        QVERIFY2(!ConfigDocuments::isPlainFileName(name), qPrintable(name));
}

QTEST_MAIN(ConfigDocumentsTest)
#include "tst_configdocuments.moc"
