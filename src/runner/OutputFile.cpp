#include "runner/OutputFile.h"

#include <QFile>
#include <QSaveFile>

#include "core/documents/DocumentFile.h"

QString WriteOutputFile(const QString& path, const QByteArray& bytes) {
    if (DocumentFile::IsSpecialFile(path)) {
        return QStringLiteral("not a regular file");
    }
    if (DocumentFile::NativeName(path) != QFile::encodeName(path)) {
        return QStringLiteral("a name that is not UTF-8 cannot be written");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // commit() reports success after a short write, and a buffered write
    // only fails at the flush (a full disk, a file-size limit), so both are
    // checked before the previous file is replaced.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return QString();
}
