// The close dialog between the confirmation and the removal, with the product's lock held as the
// running product holds it, and a process ender that only records what it is asked to end.
#include "TestEnvironment.h"
#include "checkclose/CheckCloseDlg.h"
#include "checkclose/ProcessEnder.h"
#include "host/Framework.h"
#include "host/LmSingleInstance.h"
#include "platform/NamedLock.h"
#include "platform/ProcessEnvironment.h"
#include "wizard/ProductCheck.h"

#include <QtTest>
#include <QtWidgets>

// Stands in for the running product: ending it gives its lock up, unless it stays.
class RecordingEnder : public ProcessEnder
{
public:
    platform::EndedProcesses endProduct(const QString &program, const QString &installRoot) override
    {
        calls << program + " in " + installRoot;
        if (!staysRunning)
            productLock.release();
        return {};
    }

    QStringList calls;
    bool staysRunning = false;
    platform::NamedLock productLock{"Demo Suite"};
};

class TestCheckClose : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;

private slots:
    void initTestCase() { QVERIFY(Framework::init(0, 0, nullptr)); }
    void cleanup() { LmSingleInstance::release(); }

    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("staysRunning");
        QTest::addColumn<QStringList>("ended"); // what the ender was asked to end
        QTest::addColumn<int>("removalStarts");
        const QString program = "Demo Suite" + QString::fromStdString(platform::executableSuffix());
        QTest::newRow("Cancel ends nothing, no removal")
            << "btnCancel" << false << QStringList() << 0;
        QTest::newRow("Continue ends the product inside the installation, then the removal starts")
            << "btnContinue" << false << QStringList{program + " in " + m_env.installDir()} << 1;
        QTest::newRow("Continue on a product that stays running: no removal")
            << "btnContinue" << true << QStringList{program + " in " + m_env.installDir()} << 0;
    }

    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(bool, staysRunning);
        QFETCH(QStringList, ended);
        QFETCH(int, removalStarts);
        const auto ender = std::make_shared<RecordingEnder>();
        ender->staysRunning = staysRunning;
        QCOMPARE(ender->productLock.tryAcquire(), platform::NamedLock::Result::Acquired);
        RunContext run;
        run.productName = "Demo Suite";
        run.installRoot = QDir(m_env.installDir());
        run.processEnder = ender;
        QWidget window;
        ProductCheck check(run, &window);
        QSignalSpy productEnded(&check, &ProductCheck::productEnded);

        QCOMPARE(check.productClosed(), false);
        auto *dialog = window.findChild<CheckCloseDlg *>();
        QVERIFY(dialog);
        QTest::mouseClick(dialog->findChild<QAbstractButton *>(button), Qt::LeftButton);
        QCOMPARE(ender->calls, ended);
        QCOMPARE(productEnded.size(), removalStarts);
    }
};

QTEST_MAIN(TestCheckClose)
#include "tst_checkclose.moc"
