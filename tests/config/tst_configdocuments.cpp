// The reading rules of the remote and default documents, and the names a cached file may have.
#include "config/ConfigDocuments.h"

#include <QtTest>

class ConfigDocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void readsContent_data();
    void readsContent();
    void plainFileNames();
};

void ConfigDocumentsTest::readsContent_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("content"); // the kind, then what the document gives for "de"

    QTest::newRow("apps") << QByteArray(R"({"recommendApp": {"default": [{"icon": "d.png"}],
        "de": [{"icon": "a.png", "name": "A", "url": "u", "pic_url": "http://x/a"}, 3]}})")
                          << "0 a.png|A|u || a.png<http://x/a <";
    QTest::newRow("apps of no other language")
        << QByteArray(R"({"recommendApp": {"default": [{"icon": "d"}]}})") << "0";
    QByteArray many = R"({"recommendApp": {"de": [{"icon": "0"})";
    QString apps = " 0||", icons = " 0<";
    for (int i = 1; i < 65; ++i) {
        many += R"(, {"icon": ")" + QByteArray::number(i) + "\"}";
        apps += i < 64 ? QString(" %1||").arg(i) : "",
            icons += i < 64 ? QString(" %1<").arg(i) : "";
    }
    QTest::newRow("only the first 64 apps") << many + "]}}"
                                            << "0" + apps + icons;
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

void ConfigDocumentsTest::readsContent()
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

void ConfigDocumentsTest::plainFileNames()
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

QTEST_MAIN(ConfigDocumentsTest)
#include "tst_configdocuments.moc"
