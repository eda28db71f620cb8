// The floor of the start-up and memory benchmarks: a bare widgets window of the wizard's size,
// shown and closed (the probe plugin closes it after its first paint).
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("floorWindow"));
    window.resize(857, 533);
    window.show();
    return QApplication::exec();
}
