// Arbitrary game folders and patch texts through the change sets: a patch read and applied,
// and the diff of two folders carried as a patch (see patch_property.h).
#include "patch_property.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString broken = wed::fuzz::checkPatchPath(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "change-set property broken: %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
