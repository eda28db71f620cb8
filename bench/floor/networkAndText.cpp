// The floor window with the least that the wizard adds to it: a network manager and a line of
// text. Not a floor of any target; it shows what Qt itself costs for those two.
#include <QApplication>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QNetworkAccessManager network;
    QWidget window;
    window.setObjectName(QStringLiteral("floorWindow"));
    window.resize(857, 533);
    auto *text = new QLabel(QStringLiteral("Uninstall Demo Suite"), &window);
    text->move(20, 20);
    window.show();
    return QApplication::exec();
}
