#include "LmProductInfo.h"
#include "ProductIni.h"
#include "TestEnvironment.h"

#include <QtTest>

class TestProductInfo : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void resourceRoot();

private:
    void load(const QByteArray &text);

    TestEnvironment m_env;
};

void TestProductInfo::load(const QByteArray &text)
{
    m_env.writeFile("product.ini", text);
    LmProductInfo::instance()->load(m_env.installDir() + "/product.ini");
}

void TestProductInfo::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("entry"); // group/key
    QTest::addColumn<QString>("value"); // null: the entry is absent
    const auto row =
        [](const char *name, const QByteArray &text, const char *entry, const QString &value) {
            QTest::newRow(name) << text << entry << value;
        };
    const QString absent;
    row("crlf", "[Product]\r\nName=Demo\r\nID=7\r\n", "Product/ID", "7");
    row("bom", "\xEF\xBB\xBF[Product]\r\nID=7\r\n", "Product/ID", "7");
    row("whitespace", " [ Product ] \n\t Name  =  Demo Suite \t\n", "Product/Name", "Demo Suite");
    row("comments", "; a\n# b\n[Product]\n;ID=1\n#ID=2\nID=3\n", "Product/ID", "3");
    row("equals, semicolon",
        "[Extend]\nurl=http://r/?a=1&b==2;x\n",
        "Extend/url",
        "http://r/?a=1&b==2;x");
    row("utf8", "[Product]\nName=D\xC3\xA9mo \xE8\xA3\xBD\n", "Product/Name", "Démo 製");
    row("missing key", "[Extend]\nk=1\n", "Extend/j", absent);
    row("no equals sign", "[Product]\nName\nID=1\n", "Product/Name", absent);
    row("unterminated", "[Product]\nID=7", "Product/ID", "7");
    row("duplicate key: later wins", "[Extend]\nk=1\nk=2\n", "Extend/k", "2");
}

void TestProductInfo::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, entry);
    QFETCH(QString, value);
    const ProductIni ini = ProductIni::parse(text);
    const QString group = entry.section('/', 0, 0);
    QCOMPARE(ini.contains(group, entry.section('/', 1)), !value.isNull());
    QCOMPARE(ini.value(group, entry.section('/', 1)), value.isNull() ? "" : value);
}

void TestProductInfo::resourceRoot()
{
    const QString install = m_env.installDir();
    const QList<std::pair<QByteArray, QString>> cases{{"", install + "/resources"},
                                                      {"ResourceRoot=\n", install + "/resources"},
                                                      {"ResourceRoot=share/res\n",
                                                       install + "/share/res"},
                                                      {"ResourceRoot=../res/\n",
                                                       m_env.root() + "/res"},
                                                      {"ResourceRoot=/opt/res\n", "/opt/res"}};
    for (const auto &[line, expected] : cases) {
        load("[Product]\nName=Demo Suite\n" + line);
        QCOMPARE(LmProductInfo::instance()->resourceRoot(), expected);
    }
}

QTEST_GUILESS_MAIN(TestProductInfo)
#include "tst_productinfo.moc"
