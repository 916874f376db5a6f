#pragma once
// The .pst document: the magic "Zebrin42[pst]", then masked lines holding
// the task statement, the tape with carriage and used bounds, and the
// program table (one group of four lines per row, plus one group for the
// position after the last row). Failures are reported to the user here,
// with their dialog, help topic and status text.

#include <QString>
#include <QStringList>

#include "core/documents/DocumentFile.h"

class Workbench;

// Reads a document into the Post machine. A file that is refused changes
// nothing of the machine. On success the machine is not modified and not
// edited since a start.
bool ReadPostFile(Workbench& bench, const QString& path);
// The same, telling in `why` the reason of a refusal (Ok after a read).
bool ReadPostFile(Workbench& bench, const QString& path, DocumentFile::ReadStatus& why);

// Writes the Post machine to `path`, replacing it only when the whole
// document is on disk. On failure the machine is marked modified again.
bool WritePostFile(Workbench& bench, const QString& path);

// The text layer's lines of the Post machine as it stands.
QStringList PostFileLines(Workbench& bench);
