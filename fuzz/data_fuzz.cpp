// Arbitrary weapon.cfg and Weapon.txt bytes through the document: the list, the check, an item
// shown and one field edited, then undone (see data_property.h).
#include "data_property.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString broken = wed::fuzz::checkDataPath(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "data path property broken: %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
