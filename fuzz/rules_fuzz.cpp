// Arbitrary rules text against the sample game folder: declarations read, every rule run in
// its sandbox, and the folder left as it was (see rules_property.h).
#include "rules_property.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString broken = wed::fuzz::checkRules(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "rules property broken: %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
