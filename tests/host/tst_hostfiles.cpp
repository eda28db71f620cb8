// The host's files: product.ini as the installer writes it, the log and the usage file.
#include "TestEnvironment.h"
#include "host/DataDirectory.h"
#include "host/LMGA.h"
#include "host/LmProductInfo.h"
#include "host/LmSettings.h"
#include "host/ProductIni.h"
#include "host/RotatingFile.h"
#include "host/Utility.h"

#include <QtTest>

#include <thread>

// text, group, key, value (null: absent)
const char *const iniRows[][4]
    = {{"\xEF\xBB\xBF[Product]\r\nName=Demo\r\nID=7", "Product", "ID", "7"},
       {" [ Product ] \n\t Name  =  D\xC3\xA9mo \t\n", "Product", "Name", "D\xC3\xA9mo"},
       {"; a\n# b\n[Product]\n;ID=1\n#ID=2\nID=3\n", "Product", "ID", "3"},
       {"[Extend]\nurl=1\nurl=http://r/?a=1&b==2;x\n", "Extend", "url", "http://r/?a=1&b==2;x"},
       {"[Product]\nName\nID=1\n", "Product", "Name", nullptr}};

class TestHostFiles : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;

private slots:
    void productIni()
    {
        for (const auto &[text, group, key, value] : iniRows) {
            const ProductIni ini = ProductIni::parse(text);
            QCOMPARE(ini.contains(group, key), value != nullptr);
            QCOMPARE(ini.value(group, key), QString::fromUtf8(value));
        }
    }

    // A code in the settings, and the offered language shown for it (empty: the product's default).
    void nearestOfferedLanguage()
    {
        const char *const languages[][2] = {{"zh_TW", "zh_TW"},
                                            {"FR", "fr"},
                                            {"pt_BR", "pt"},
                                            {"de-DE", "de"},
                                            {"zh", "zh_CN"},
                                            {"zh_HK", "zh_TW"},
                                            {"nb_NO", "no"},
                                            {"sw", ""},
                                            {"xx", ""},
                                            {"", ""}};
        for (const auto &[code, offered] : languages)
            QCOMPARE(LmSettings::nearestOfferedLanguage(code), QString::fromLatin1(offered));
    }

    // Lines from several threads are never torn, nor lost around the rotation, also from writers
    // that each open the file for themselves as processes do; a file is moved aside when the next
    // line would pass its limit, one older copy kept; no event after the stop.
    void rotatedWholeLinesAndSilentAfterStop()
    {
        m_env.clearLogAndUsage();
        const QString line = QStringLiteral("Größe \"q\", a=b; {x} ✓ ") + QString(1000, 'x');
        const QByteArray record = line.toUtf8() + '\n';
        const QString shared = m_env.dataDir() + "/shared.log";
        const int callsPerThread = 300;
        std::vector<std::thread> threads(4);
        for (std::thread &thread : threads)
            thread = std::thread([line, record, shared] {
                RotatingFile own(10 * record.size()); // ten lines a file, so moved aside often
                own.open(shared);
                for (int call = 0; call < callsPerThread; ++call) {
                    Log("debug", 1, line);
                    LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, line, call);
                    own.append(record);
                }
            });
        for (std::thread &thread : threads)
            thread.join();
        LMGA::instance()->stopService();
        LMGA::instance()->CEIP("uninstall", "action", LMGA::Event, "after the stop", 0);
        LMGA::instance()->startService(4, "uninstall");
        const int lines = int(threads.size()) * callsPerThread;
        for (const QString &fileName : {m_env.logFile(), DataDirectory::usageFile()}) {
            QByteArray text;
            for (const QString &copy : QStringList{fileName + ".1", fileName}) {
                QFile file(copy);
                QVERIFY(file.open(QIODevice::ReadOnly));
                QVERIFY(file.size() <= 1 << 20);
                text += file.readAll();
            }
            QCOMPARE(text.count('\n'), lines);
            QCOMPARE(text.count(QByteArray(1000, 'x')), lines);
            // The text is whole in the last line: the log's fourth field, the usage event's label.
            const QByteArray last = text.trimmed().split('\n').last();
            QCOMPARE(fileName == m_env.logFile()
                         ? QString::fromUtf8(last).section('\t', 3)
                         : QJsonDocument::fromJson(last)["label"].toString(),
                     line);
        }
        // The lines come in tens, so the last file moved aside and the current one are both full.
        for (const QString &copy : QStringList{shared + ".1", shared}) {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), record.repeated(10));
        }
    }

    // The host refuses a product.ini over 64 KiB (even of empty lines), one with an overlong
    // entry, and one naming the product with a path.
    void unusableProductIni()
    {
        const QByteArray named = "[Product]\nName=Demo Suite\n";
        const QByteArray refused[] = {named + QByteArray(64 * 1024, '\n'),
                                      named + "ID=" + QByteArray(2000, '7'),
                                      "[Product]\nName=../x\n"};
        for (const QByteArray &text : refused) {
            m_env.writeFile("product.ini", text);
            LmProductInfo::instance()->load(m_env.installDir() + "/product.ini");
            QCOMPARE(LmProductInfo::instance()->unusableReason().isEmpty(), false);
        }
        m_env.writeProductIni();
    }
};

QTEST_GUILESS_MAIN(TestHostFiles)
#include "tst_hostfiles.moc"
