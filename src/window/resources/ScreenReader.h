#pragma once
// Whether an accessibility client (a screen reader) listens, and the one
// way the window tells it of a change. The state is Qt's activation state,
// followed through an activation observer from the first call on, so a
// view can ask it at every change for the price of reading a flag; nothing
// is composed or sent while nobody listens.

#include <QAccessible>

namespace ScreenReader {

// Starts following Qt's activation state (done by the first call of either
// function below too); the window calls it at start.
void Follow();
bool Listening();
// Sends `kind` about `item`, or about `object`'s own interface, while a
// client listens.
void Tell(QAccessibleInterface* item, QAccessible::Event kind);
void Tell(QObject* object, QAccessible::Event kind);

}  // namespace ScreenReader
