#include "ProductIni.h"

#include <QtTest>

class TestProductInfo : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
};

void TestProductInfo::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("entry"); // group/key
    QTest::addColumn<QString>("value"); // null: the entry is absent
    const auto row =
        [](const char *name, const QByteArray &text, const char *entry, const QString &value) {
            QTest::newRow(name) << text << entry << value;
        };
    row("crlf", "[Product]\r\nName=Demo\r\nID=7\r\n", "Product/ID", "7");
    row("bom", "\xEF\xBB\xBF[Product]\r\nID=7\r\n", "Product/ID", "7");
    row("whitespace", " [ Product ] \n\t Name  =  Demo Suite \t\n", "Product/Name", "Demo Suite");
    row("comments", "; a\n# b\n[Product]\n;ID=1\n#ID=2\nID=3\n", "Product/ID", "3");
    row("equals, semicolon",
        "[Extend]\nurl=http://r/?a=1&b==2;x\n",
        "Extend/url",
        "http://r/?a=1&b==2;x");
    row("utf8", "[Product]\nName=D\xC3\xA9mo \xE8\xA3\xBD\n", "Product/Name", "Démo 製");
    row("missing key", "[Extend]\nk=1\n", "Extend/j", QString());
    row("no equals sign", "[Product]\nName\nID=1\n", "Product/Name", QString());
    row("unterminated", "[Product]\nID=7", "Product/ID", "7");
    row("duplicate key: later wins", "[Extend]\nk=1\nk=2\n", "Extend/k", "2");
}

void TestProductInfo::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, entry);
    QFETCH(QString, value);
    const ProductIni ini = ProductIni::parse(text);
    QCOMPARE(ini.contains(entry.section('/', 0, 0), entry.section('/', 1)), !value.isNull());
    QCOMPARE(ini.value(entry.section('/', 0, 0), entry.section('/', 1)),
             value.isNull() ? "" : value);
}

QTEST_GUILESS_MAIN(TestProductInfo)
#include "tst_productinfo.moc"
