// The window at a desktop scale factor of 2: a fixed size in device-independent pixels, which a
// window manager cannot change.
#include "TestEnvironment.h"
#include "WindowDriver.h"
#include "host/Framework.h"

#include <QtTest>
#include <QtWidgets>

class TestScale : public QObject
{
    Q_OBJECT

private slots:
    void fixedSizeAtScaleFactorTwo()
    {
        WindowDriver driver;
        driver.open();
        QWindow *handle = driver.window->windowHandle();
        QCOMPARE(handle->devicePixelRatio(), 2.0);
        QCOMPARE(driver.window->size(), QSize(857, 533));

        // As a tiling window manager would: the window is made larger, and takes its size back.
        QSignalSpy widthChanges(handle, &QWindow::widthChanged);
        handle->resize(1200, 800);
        QTRY_COMPARE(widthChanges.count(), 2);
        QCOMPARE(driver.window->size(), QSize(857, 533));
        QCOMPARE(handle->size(), QSize(857, 533));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    TestEnvironment env;
    env.writeProductIni({{"uninstallTest", "1"}});
    // The wizard's own start-up creates the application, with its high-DPI settings.
    if (!Framework::init(0, argc, argv))
        return 1;
    TestScale test;
    const int result = QTest::qExec(&test, argc, argv);
    Framework::uninit();
    return result;
}

#include "tst_scale.moc"
