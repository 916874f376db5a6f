#include "core/checking/CasesFile.h"

#include <QStringDecoder>
#include <QStringList>
#include <QStringView>

#include "core/documents/DocumentFile.h"
#include "core/text/Cp1251.h"
#include "core/text/IntegerSyntax.h"
#include "core/text/Language.h"

namespace {

// The line without its comment: "#" at the start or after a blank. A "#"
// inside a word is a tape symbol ("1#1 => 11").
QStringView WithoutComment(QStringView line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'#' && (i == 0 || line[i - 1].isSpace())) {
            return line.left(i).trimmed();
        }
    }
    return line.trimmed();
}

QStringList Words(QStringView line) {
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
            words.append(line.mid(start, i - start).toString());
        }
    }
    return words;
}

// Reads one option line into the settings for the cases after it and the
// file's requirements. Returns what is wrong, without the line number.
CasesProblem ReadOptionLine(const QStringList& words, std::optional<int>& start,
                            std::optional<int>& carriage, int& weight, TaskRequirements& task) {
    using Kind = CasesProblem::Kind;
    for (qsizetype w = 0; w < words.size(); w += 2) {
        const QString& name = words[w];
        const auto problem = [&name](Kind kind) { return CasesProblem{kind, 0, name}; };
        if (w + 1 >= words.size()) {
            return problem(Kind::WantsValue);
        }
        const QString& value = words[w + 1];
        const std::optional<qint32> number = ParseInteger(value);
        if (name == u"--start" || name == u"--carriage") {
            if (!number) {
                return problem(Kind::WantsCell);
            }
            (name == u"--start" ? start : carriage) = *number;
        } else if (name == u"--weight") {
            if (!number || *number < 0) {
                return problem(Kind::WantsWeight);
            }
            weight = *number;
        } else if (name == u"--machine") {
            if (task.machine) {
                return problem(Kind::GivenTwice);
            }
            if (value != u"post" && value != u"turing") {
                return problem(Kind::WantsMachine);
            }
            task.machine = value == u"post" ? MachineKind::Post : MachineKind::Turing;
        } else if (name == u"--max-rows" || name == u"--max-states") {
            std::optional<int>& limit = name == u"--max-rows" ? task.maxRows : task.maxStates;
            if (limit) {
                return problem(Kind::GivenTwice);
            }
            if (!number || *number < 1) {
                return problem(Kind::WantsCount);
            }
            limit = *number;
        } else if (name == u"--alphabet") {
            if (task.alphabet) {
                return problem(Kind::GivenTwice);
            }
            task.alphabet = value;
        } else {
            return problem(Kind::UnknownOption);
        }
    }
    return {};
}

CasesFile Failed(CasesFile file, CasesProblem problem, int line) {
    problem.line = line;
    file.problem = problem;
    file.error = problem.English();
    return file;
}

}  // namespace

QString CasesProblem::English() const {
    QString what;
    switch (kind) {
        case Kind::None:
            return QString();
        case Kind::WantsValue:
            what = option + QStringLiteral(" wants a value");
            break;
        case Kind::WantsCell:
            what = option + QStringLiteral(" wants a cell number");
            break;
        case Kind::WantsWeight:
            what = QStringLiteral("--weight wants a whole number of 0 or more");
            break;
        case Kind::GivenTwice:
            what = option + QStringLiteral(" is given twice");
            break;
        case Kind::WantsMachine:
            what = QStringLiteral("--machine wants post or turing");
            break;
        case Kind::WantsCount:
            what = option + QStringLiteral(" wants a whole number of 1 or more");
            break;
        case Kind::UnknownOption:
            what = QStringLiteral(
                       "unknown option %1: expected --start, --carriage, --weight, --machine, "
                       "--max-rows, --max-states or --alphabet")
                       .arg(option);
            break;
        case Kind::NotACase:
            what = QStringLiteral("expected INPUT => EXPECTED");
            break;
        case Kind::NoCases:
            return QStringLiteral("no cases: expected lines INPUT => EXPECTED");
    }
    return QStringLiteral("line %1: %2").arg(line).arg(what);
}

QString CasesProblem::Russian() const {
    QString what;
    switch (kind) {
        case Kind::None:
            return QString();
        case Kind::WantsValue:
            what = Tr("CasesFile", "у %1 нет значения").arg(option);
            break;
        case Kind::WantsCell:
            what = Tr("CasesFile", "%1 ждёт номер клетки").arg(option);
            break;
        case Kind::WantsWeight:
            what = Tr("CasesFile", "--weight ждёт целое число от 0");
            break;
        case Kind::GivenTwice:
            what = Tr("CasesFile", "%1 указан дважды").arg(option);
            break;
        case Kind::WantsMachine:
            what = Tr("CasesFile", "--machine ждёт post или turing");
            break;
        case Kind::WantsCount:
            what = Tr("CasesFile", "%1 ждёт целое число от 1").arg(option);
            break;
        case Kind::UnknownOption:
            what = Tr("CasesFile",
                      "неизвестный параметр %1: можно --start, --carriage, --weight, --machine, "
                      "--max-rows, --max-states или --alphabet")
                       .arg(option);
            break;
        case Kind::NotACase:
            what = Tr("CasesFile", "ожидается ВХОД => ОЖИДАЕМОЕ");
            break;
        case Kind::NoCases:
            return Tr("CasesFile", "нет тестов: ожидаются строки ВХОД => ОЖИДАЕМОЕ");
    }
    return Tr("CasesFile", "строка %1: %2").arg(line).arg(what);
}

CasesFile ParseCases(const QString& text) {
    CasesFile file;
    file.cases = CaseList(text);
    std::optional<int> start;
    std::optional<int> carriage;
    int weight = 1;
    // The lines as DocumentFile::SplitLines takes them ("\r\n", "\r" or
    // "\n" ends one), walked in place: the cases are spans of the text.
    const QStringView all(text);
    const QChar* const base = all.data();
    const auto span = [base](QStringView part) {
        return CaseList::Span{part.isEmpty() ? 0 : part.data() - base, part.size()};
    };
    int number = 0;
    for (qsizetype from = 0; from < all.size();) {
        qsizetype end = from;
        while (end < all.size() && all[end] != u'\r' && all[end] != u'\n') {
            ++end;
        }
        const QStringView line = WithoutComment(all.sliced(from, end - from));
        from = end + (end + 1 < all.size() && all[end] == u'\r' && all[end + 1] == u'\n' ? 2 : 1);
        ++number;
        if (line.isEmpty()) {
            continue;
        }
        if (line.startsWith(u"--")) {
            const CasesProblem problem =
                ReadOptionLine(Words(line), start, carriage, weight, file.requirements);
            if (problem.kind != CasesProblem::Kind::None) {
                return Failed(file, problem, number);
            }
            continue;
        }
        const qsizetype arrow = line.indexOf(u"=>");
        if (arrow < 0 || line.indexOf(u"=>", arrow + 2) >= 0) {
            return Failed(file, {CasesProblem::Kind::NotACase, 0, {}}, number);
        }
        file.cases.AppendFromText(number, span(line.left(arrow).trimmed()),
                                  span(line.sliced(arrow + 2).trimmed()), start, carriage, weight);
    }
    // A file that checks nothing would pass every document.
    if (file.cases.isEmpty()) {
        return Failed(file, {CasesProblem::Kind::NoCases, 0, {}}, 0);
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
