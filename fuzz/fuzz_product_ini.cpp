// product.ini as the host layer reads it.
#include "FuzzSupport.h"
#include "host/ProductIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ProductIni ini = ProductIni::parse(fuzz::bytes(data, size));
    const QString product = QStringLiteral("Product");
    for (const char *key : {"Name", "Version", "ID", "Brand", "DefaultLanguage", "ResourceRoot"}) {
        const QString value = ini.value(product, QLatin1String(key));
        // One line, trimmed: a value never carries the line break or the blanks around it.
        fuzz::require(!value.contains(QLatin1Char('\n')));
        fuzz::require(value == value.trimmed());
        fuzz::require(ini.contains(product, QLatin1String(key)) || value.isEmpty());
    }
    return 0;
}
