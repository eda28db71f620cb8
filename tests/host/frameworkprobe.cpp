// Prints whether Framework::init started the GUI and, if so, the data directory it chose.
#include "Framework.h"

#include <QStandardPaths>

#include <cstdio>

int main(int argc, char **argv)
{
    const bool started = Framework::init(0, argc, argv);
    std::printf("init=%d\n", started ? 1 : 0);
    if (started) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::DataLocation);
        std::printf("%s\n", data.toUtf8().constData());
    }
    Framework::uninit();
    return 0;
}
