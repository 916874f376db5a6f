#include "core/checking/CasesFile.h"

#include <QStringDecoder>
#include <QStringList>

#include "core/documents/DocumentFile.h"
#include "core/text/Cp1251.h"
#include "core/text/IntegerSyntax.h"

namespace {

// The line without its comment: "#" at the start or after a blank. A "#"
// inside a word is a tape symbol ("1#1 => 11").
QString WithoutComment(const QString& line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'#' && (i == 0 || line[i - 1].isSpace())) {
            return line.left(i).trimmed();
        }
    }
    return line.trimmed();
}

QStringList Words(const QString& line) {
    QStringList words;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i].isSpace()) {
            ++i;
        }
        const qsizetype start = i;
        while (i < line.size() && !line[i].isSpace()) {
            ++i;
        }
        if (i > start) {
            words.append(line.mid(start, i - start));
        }
    }
    return words;
}

// Reads one option line into the settings for the cases after it and the
// file's requirements. Returns what is wrong, without the line number.
QString ReadOptionLine(const QStringList& words, std::optional<int>& start,
                       std::optional<int>& carriage, int& weight, TaskRequirements& task) {
    for (qsizetype w = 0; w < words.size(); w += 2) {
        const QString& name = words[w];
        if (w + 1 >= words.size()) {
            return name + QStringLiteral(" wants a value");
        }
        const QString& value = words[w + 1];
        const std::optional<qint32> number = ParseInteger(value);
        QString twice = name + QStringLiteral(" is given twice");
        if (name == u"--start" || name == u"--carriage") {
            if (!number) {
                return name + QStringLiteral(" wants a cell number");
            }
            (name == u"--start" ? start : carriage) = *number;
        } else if (name == u"--weight") {
            if (!number || *number < 0) {
                return QStringLiteral("--weight wants a whole number of 0 or more");
            }
            weight = *number;
        } else if (name == u"--machine") {
            if (task.machine) {
                return twice;
            }
            if (value != u"post" && value != u"turing") {
                return QStringLiteral("--machine wants post or turing");
            }
            task.machine = value == u"post" ? MachineKind::Post : MachineKind::Turing;
        } else if (name == u"--max-rows" || name == u"--max-states") {
            std::optional<int>& limit = name == u"--max-rows" ? task.maxRows : task.maxStates;
            if (limit) {
                return twice;
            }
            if (!number || *number < 1) {
                return name + QStringLiteral(" wants a whole number of 1 or more");
            }
            limit = *number;
        } else if (name == u"--alphabet") {
            if (task.alphabet) {
                return twice;
            }
            task.alphabet = value;
        } else {
            return QStringLiteral(
                       "unknown option %1: expected --start, --carriage, --weight, --machine, "
                       "--max-rows, --max-states or --alphabet")
                .arg(name);
        }
    }
    return QString();
}

}  // namespace

CasesFile ParseCases(const QString& text) {
    CasesFile file;
    std::optional<int> start;
    std::optional<int> carriage;
    int weight = 1;
    const QStringList lines = DocumentFile::SplitLines(text, false);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = WithoutComment(lines[i]);
        const int number = i + 1;
        if (line.isEmpty()) {
            continue;
        }
        if (line.startsWith(QStringLiteral("--"))) {
            const QString error =
                ReadOptionLine(Words(line), start, carriage, weight, file.requirements);
            if (!error.isEmpty()) {
                file.error = QStringLiteral("line %1: %2").arg(number).arg(error);
                return file;
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
        c.weight = weight;
        file.cases.append(c);
    }
    // A file that checks nothing would pass every document.
    if (file.cases.isEmpty()) {
        file.error = QStringLiteral("no cases: expected lines INPUT => EXPECTED");
    }
    return file;
}

QString DecodeCasesText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    return Cp1251::Decode(bytes);
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
    return ParseCases(DecodeCasesText(bytes));
}
