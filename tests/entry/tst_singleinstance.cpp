// The wizard guard between real processes (guardprobe): one wizard per product, whatever the
// timing or the way an earlier one ended; and no start without a display.
#include "TestEnvironment.h"

#include <QSharedMemory>
#include <QtEndian>
#include <QtTest>

#include <deque>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    std::deque<QProcess> m_probes;
    const QString m_ini = m_env.installDir() + QStringLiteral("/product.ini");

    QByteArray start(const QString &ini, const QStringList &more = {}) // the probe's first line
    {
        m_probes.emplace_back().start(GUARDPROBE, QStringList{ini} + more);
        return TestEnvironment::nextLine(&m_probes.back());
    }

private slots:
    void init() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_env.root() + "/runtime")); }

    // Of simultaneous starts one runs; once it is killed, the next takes its segment over and
    // publishes its window there.
    void oneWizardPerProduct()
    {
        const QString product = QStringLiteral("Demo Suite %1")
                                    .arg(QCoreApplication::applicationPid());
        m_env.writeProductIni({{"uninstallTest", "1"}}, {{"Name", product}});
        m_env.writeFile("other/product.ini", "[Product]\nName=" + product.toUtf8() + " Pro\n");
        for (int i = 0; i < 10; ++i)
            m_probes.emplace_back().start(GUARDPROBE, {m_ini, "--late"});
        QProcess *winner = nullptr;
        for (QProcess &probe : m_probes)
            if (TestEnvironment::nextLine(&probe) == "runnable=1")
                winner = winner ? nullptr : &probe;
        QVERIFY(winner);
        winner->kill();
        QVERIFY(winner->waitForFinished());
        QCOMPARE(start(m_ini), "runnable=1");
        const quint64 window = TestEnvironment::nextLine(&m_probes.back()).mid(10).toULongLong();
        QVERIFY(window != 0);
        QSharedMemory segment;
        segment.setNativeKey(m_env.root() + "/runtime/" + product + "_uninstall.segment");
        QVERIFY(segment.attach(QSharedMemory::ReadOnly));
        QCOMPARE(qFromLittleEndian<quint64>(segment.constData()), window);
        QCOMPARE(start(m_ini), "runnable=0");
        QCOMPARE(start(m_env.installDir() + "/other/product.ini", {"--late"}), "runnable=1");
        m_probes.clear();
    }

    // Places that another user can prepare stop no wizard, and two wizards still meet there.
    void preparedPlaces_data()
    {
        // The lock folder is the shared /tmp/uninstall-locks-<uid>; the key file is Qt's, in TMPDIR.
        QTest::addColumn<QString>("place");
        for (const char *place : {"runtime folder missing",
                                  "lock folder a link",
                                  "lock folder open to others",
                                  "key file taken"})
            QTest::newRow(place) << QString(place);
    }

    void preparedPlaces()
    {
#ifdef Q_OS_WIN
        QSKIP("the lock folders in the shared temporary folder are a POSIX matter");
#else
        QFETCH(QString, place);
        const QString shared = QStringLiteral("/tmp/uninstall-locks-%1").arg(::getuid());
        QDir(shared).removeRecursively();
        QFile::remove(shared);
        if (place == "runtime folder missing")
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_env.root() + "/gone/deeper"));
        if (place.startsWith("lock folder"))
            qputenv("XDG_RUNTIME_DIR", "");
        if (place == "lock folder a link")
            QVERIFY(QFile::link(m_env.root(), shared));
        if (place == "lock folder open to others") {
            QVERIFY(QDir().mkdir(shared));
            QVERIFY(QFile::setPermissions(shared, QFile::Permissions(0x7755)));
        }
        qputenv("TMPDIR", QFile::encodeName(m_env.root()));
        const QString product
            = QStringLiteral("Demo Suite %1 %2").arg(QCoreApplication::applicationPid()).arg(place);
        m_env.writeProductIni({{"uninstallTest", "1"}}, {{"Name", product}});
        if (place == "key file taken")
            QVERIFY(QFile::link("/nonexistent", QSharedMemory(product + "_uninstall").nativeKey()));
        QCOMPARE(start(m_ini), "runnable=1");
        QCOMPARE(start(m_ini), "runnable=0");
        m_probes.clear();
        // A killed wizard leaves its segment behind; the last to detach removes it.
        QSharedMemory left;
        left.setNativeKey((place == "key file taken" ? m_env.root() + "/runtime" : shared) + '/'
                          + product + "_uninstall.segment");
        left.attach();
#endif
    }

    void startsOnlyWithADisplay()
    {
        for (const auto &[platform, answer] :
             {std::pair("", "init=0"), {"wayland;offscreen", "runnable=1"}}) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
                environment.remove(name);
            environment.insert("QT_QPA_PLATFORM", platform);
            QProcess probe; // Qt aborts when it cannot start: then no line at all
            probe.setProcessEnvironment(environment);
            probe.start(GUARDPROBE, {m_ini, "--late"});
            QCOMPARE(TestEnvironment::nextLine(&probe), answer);
        }
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
