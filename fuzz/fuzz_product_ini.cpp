// product.ini as the host layer reads it.
#include "FuzzSupport.h"
#include "ProductIni.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ProductIni ini = ProductIni::parse(fuzz::bytes(data, size));
    static const QStringList product{QStringLiteral("Name"),
                                     QStringLiteral("Version"),
                                     QStringLiteral("ID"),
                                     QStringLiteral("Brand"),
                                     QStringLiteral("DefaultLanguage"),
                                     QStringLiteral("ResourceRoot")};
    static const QStringList extend{QStringLiteral("uninstallTest"),
                                    QStringLiteral("uninstallConfigURL"),
                                    QStringLiteral("updateAppUrl")};
    for (const QString &key : product) {
        const QString value = ini.value(QStringLiteral("Product"), key);
        // One line, trimmed: a value never carries the line break or the blanks around it.
        fuzz::require(!value.contains(QLatin1Char('\n')) && value == value.trimmed());
        fuzz::require(ini.contains(QStringLiteral("Product"), key) || value.isEmpty());
    }
    for (const QString &key : extend)
        ini.value(QStringLiteral("Extend"), key);
    return 0;
}
