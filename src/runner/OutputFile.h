#pragma once
// The files zebrin42-run makes besides documents (the --report table, the
// --diagram picture), written whole or not at all: through a temporary file
// renamed over the target once every byte is on disk, as documents are
// saved, so a failed write leaves the previous file. A target that exists
// and is not a regular file (a device, a named pipe) is never replaced, and
// a name whose bytes are not UTF-8 is refused rather than written under
// another name.

#include <QByteArray>
#include <QString>

// Why the write failed, in plain words; empty when the file was written.
QString WriteOutputFile(const QString& path, const QByteArray& bytes);
