// One libFuzzer target: hands every input to the check named by
// ZEBRIN_FUZZ_TARGET (see FuzzChecks.h) and aborts when a promise broke, so
// libFuzzer stores the input as a crash.

#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzChecks.h"

namespace {
const FuzzChecks::Target* target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The run controller's timers want an application object; it gets none
    // of libFuzzer's options.
    static int argc = 1;
    static char name[] = "zebrin-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    target = FuzzChecks::FindTarget(QStringLiteral(ZEBRIN_FUZZ_TARGET));
    if (!target) {
        std::fprintf(stderr, "no check named %s\n", ZEBRIN_FUZZ_TARGET);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString failure =
        target->check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", ZEBRIN_FUZZ_TARGET, qUtf8Printable(failure));
        std::abort();
    }
    return 0;
}
