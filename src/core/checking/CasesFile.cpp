#include "core/checking/CasesFile.h"

#include <QStringList>

#include "core/documents/DocumentFile.h"
#include "core/text/IntegerSyntax.h"

CasesFile ParseCases(const QString& text) {
    CasesFile file;
    std::optional<int> start;
    std::optional<int> carriage;
    const QStringList lines = DocumentFile::SplitLines(text, false);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int number = i + 1;
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        if (line.startsWith(QStringLiteral("--"))) {
            const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
            for (int w = 0; w < words.size(); w += 2) {
                const std::optional<qint32> value =
                    w + 1 < words.size() ? ParseInteger(words[w + 1]) : std::nullopt;
                if (!value || (words[w] != u"--start" && words[w] != u"--carriage")) {
                    file.error = QStringLiteral("line %1: expected --start CELL or --carriage CELL")
                                     .arg(number);
                    return file;
                }
                (words[w] == u"--start" ? start : carriage) = *value;
            }
            continue;
        }
        const qsizetype arrow = line.indexOf(QStringLiteral("=>"));
        if (arrow < 0 || line.indexOf(QStringLiteral("=>"), arrow + 2) >= 0) {
            file.error = QStringLiteral("line %1: expected INPUT => EXPECTED").arg(number);
            return file;
        }
        RunCase c;
        c.line = number;
        c.input = line.left(arrow).trimmed();
        c.expected = line.mid(arrow + 2).trimmed();
        c.start = start;
        c.carriage = carriage;
        file.cases.append(c);
    }
    // A file that checks nothing would pass every document.
    if (file.cases.isEmpty()) {
        file.error = QStringLiteral("no cases: expected lines INPUT => EXPECTED");
    }
    return file;
}

CasesFile ReadCasesFile(const QString& path, DocumentFile::ReadStatus& status) {
    QByteArray bytes;
    status = DocumentFile::ReadRegularFile(path, DocumentFile::kMaxDocumentSize, bytes);
    if (status == DocumentFile::ReadStatus::Ok &&
        DocumentFile::CountLines(bytes) > DocumentFile::kMaxDocumentLines) {
        status = DocumentFile::ReadStatus::TooLarge;
    }
    if (status != DocumentFile::ReadStatus::Ok) {
        return {};
    }
    return ParseCases(QString::fromUtf8(bytes));
}
