// The host's files: product.ini as the installer writes it, the log and the usage file.
#include "DataDirectory.h"
#include "LMGA.h"
#include "ProductIni.h"
#include "TestEnvironment.h"
#include "Utility.h"

#include <QThread>
#include <QtTest>

class TestHostFiles : public QObject
{
    Q_OBJECT

private slots:
    void productIni();
    void rotatedWholeLinesAndSilentAfterStop();

private:
    TestEnvironment m_env;
};

void TestHostFiles::productIni()
{
    const char *rows[][3]
        = {// text, group/key, value (null: absent)
           {"[Product]\r\nName=Demo\r\nID=7\r\n", "Product/ID", "7"},
           {"\xEF\xBB\xBF[Product]\r\nID=7\r\n", "Product/ID", "7"},
           {" [ Product ] \n\t Name  =  Demo Suite \t\n", "Product/Name", "Demo Suite"},
           {"; a\n# b\n[Product]\n;ID=1\n#ID=2\nID=3\n", "Product/ID", "3"},
           {"[Extend]\nurl=http://r/?a=1&b==2;x\n", "Extend/url", "http://r/?a=1&b==2;x"},
           {"[Product]\nName=D\xC3\xA9mo \xE8\xA3\xBD\n",
            "Product/Name",
            "D\xC3\xA9mo \xE8\xA3\xBD"},
           {"[Extend]\nk=1\n", "Extend/j", nullptr},
           {"[Product]\nName\nID=1\n", "Product/Name", nullptr},
           {"[Product]\nID=7", "Product/ID", "7"},
           {"[Extend]\nk=1\nk=2\n", "Extend/k", "2"}};
    for (const auto &[text, entry, value] : rows) {
        const ProductIni ini = ProductIni::parse(text);
        const QString group = QString::fromLatin1(entry).section('/', 0, 0);
        const QString key = QString::fromLatin1(entry).section('/', 1);
        QVERIFY2(ini.contains(group, key) == bool(value), text);
        QCOMPARE(ini.value(group, key), QString::fromUtf8(value));
    }
}
// Lines from several threads are never torn; each file is moved aside once at its limit, one
// older copy kept; no event after the stop.
void TestHostFiles::rotatedWholeLinesAndSilentAfterStop()
{
    m_env.clearLogAndUsage();
    const QString line = QStringLiteral("Größe \"q\", a=b; {x} ✓ ") + QString(1000, 'x');
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back(QThread::create([line] {
            for (int call = 0; call < 300; ++call) {
                Log("debug", 1, line);
                LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, line, call);
            }
        }));
        threads.back()->start();
    }
    for (const auto &thread : threads)
        QVERIFY(thread->wait(60000));
    LMGA::instance()->stopService();
    LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, "after the stop", 0);
    LMGA::instance()->startService(4, "uninstall");

    for (const QString &fileName : {m_env.logFile(), DataDirectory::usageFile()}) {
        QFile current(fileName), older(fileName + ".1");
        QVERIFY(current.open(QIODevice::ReadOnly) && older.open(QIODevice::ReadOnly));
        QVERIFY(current.size() <= 1024 * 1024 && older.size() <= 1024 * 1024);
        const QByteArray text = older.readAll() + current.readAll();
        QCOMPARE(text.count('\n'), 1200);
        QCOMPARE(text.count(QByteArray(1000, 'x')), 1200);
    }
    QCOMPARE(m_env.logTexts().last(), line);
    QCOMPARE(m_env.usageLabels().last(), line);
}

QTEST_GUILESS_MAIN(TestHostFiles)
#include "tst_hostfiles.moc"
