// Linked into every test: a dialog a ScriptedUi meets without a planned
// answer fails the running test, at the place it appeared.

#include <QtTest>

#include "core/port/ScriptedUi.h"

namespace {

void FailTest(const QString& what) {
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
}

const bool installed = [] {
    ScriptedUi::SetUnplannedHandler(FailTest);
    return true;
}();

}  // namespace
