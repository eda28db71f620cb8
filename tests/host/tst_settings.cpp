#include "LmInstallInfo.h"
#include "LmProductCommonInfo.h"
#include "LmSettings.h"
#include "TestEnvironment.h"

#include <QSettings>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>
#include <vector>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void savedValuesAndFallbacks();
    void installRecordsAreRemoved();
    void workerThreadsWriteConcurrently();

private:
    TestEnvironment m_env;
};

namespace {

// What other processes see: the file's own text.
QString fileText()
{
    QFile file(LmSettings::instance()->fileName());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

void TestSettings::init()
{
    QSettings(LmSettings::instance()->fileName(), QSettings::IniFormat).clear();
}

void TestSettings::savedValuesAndFallbacks()
{
    LmSettings *settings = LmSettings::instance();
    QCOMPARE(settings->fileName(), m_env.root() + "/config/Example Works/Demo Suite.ini");
    QCOMPARE(settings->currentLanguage("en"), "en");
    QCOMPARE(settings->currentSkin("default"), "default");
    QCOMPARE(settings->applicationParam("uninstall_version", 7), QVariant(7));
    settings->setCurrentLanguage("zh_CN");
    settings->setCurrentSkin("night");
    settings->setApplicationParam("uninstall_version", 12);
    settings->setApplicationParam("note", "a, b=c");
    QCOMPARE(settings->currentLanguage("en"), "zh_CN");
    QCOMPARE(settings->currentSkin("default"), "night");
    QCOMPARE(settings->applicationParam("uninstall_version", 0).toInt(), 12);
    QCOMPARE(settings->applicationParam("note", QVariant()).toString(), "a, b=c");
    settings->setCurrentLanguage(QString());
    QCOMPARE(settings->currentLanguage("de"), "de");
    settings->setCurrentLanguage("xx"); // not one of the offered languages
    QCOMPARE(settings->currentLanguage("de"), "de");

    const QString text = fileText();
    QVERIFY2(text.contains("Skin=night") && text.contains("[ApplicationParam]\nnote="),
             qPrintable(text));
}

void TestSettings::installRecordsAreRemoved()
{
    QSettings file(LmSettings::instance()->fileName(), QSettings::IniFormat);
    for (const char *key : {"Install/Registered", "Install/Path", "Install/Version", "Language"})
        file.setValue(key, "1");
    file.sync();
    LmInstallInfo::deregisterInstall();
    file.sync();
    QCOMPARE(file.allKeys(), QStringList({"Install/Path", "Install/Version", "Language"}));
    LmProductCommonInfo::instance()->unsetInstallPath("1001");
    LmProductCommonInfo::instance()->unsetInstallVersion("1001");
    file.sync();
    QCOMPARE(file.allKeys(), QStringList{"Language"});
    QVERIFY(!fileText().contains("Install"));
}

void TestSettings::workerThreadsWriteConcurrently()
{
    constexpr int threadCount = 4;
    constexpr int keysPerThread = 25;
    std::atomic<int> misreads{0};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([t, &misreads] {
            for (int k = 0; k < keysPerThread; ++k) {
                const QString key = QStringLiteral("t%1_k%2").arg(t).arg(k);
                LmSettings::instance()->setApplicationParam(key, t * 100 + k);
                if (LmSettings::instance()->applicationParam(key, -1).toInt() != t * 100 + k)
                    ++misreads;
            }
        }));
        threads.back()->start();
    }
    for (const auto &thread : threads)
        QVERIFY(thread->wait(60000));
    QCOMPARE(misreads.load(), 0);
    const QString text = fileText();
    for (int t = 0; t < threadCount; ++t) {
        for (int k = 0; k < keysPerThread; ++k) {
            const QString line = QStringLiteral("\nt%1_k%2=%3\n").arg(t).arg(k).arg(t * 100 + k);
            QVERIFY2(text.contains(line), qPrintable(line));
        }
    }
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
