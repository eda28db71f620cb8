// dialoghost <product.ini>: answers the close-product dialog with "Continue" in a process of
// its own, which is named like the product's program, and prints "survived" afterwards.
#include "LmProductInfo.h"
#include "checkclose/CheckCloseDlg.h"

#include <QAbstractButton>
#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    QApplication application(argc, argv);
    LmProductInfo::instance()->load(QString::fromLocal8Bit(argv[1]));
    CheckCloseDlg dialog(nullptr);
    dialog.show();
    QObject::connect(&dialog, &CheckCloseDlg::completeKill, &dialog, [] {
        std::puts("survived");
        std::fflush(stdout);
    });
    dialog.findChild<QAbstractButton *>(QStringLiteral("btnContinue"))->click();
    return 0;
}
