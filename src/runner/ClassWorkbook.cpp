// The workbook of the class report, written by libxlsxwriter. The library
// writes only to a named file, so it writes into a private temporary folder
// and the finished bytes go to the teacher's path through
// DocumentFile::WriteBytes, which keeps the previous file on any failure and
// never replaces a device, a pipe or a folder. Every text is written as a
// string cell, never as a formula, so a file named "=1+2" stays a name.

#include <xlsxwriter.h>

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/documents/DocumentFile.h"
#include "runner/ClassReport.h"

namespace {

// Column widths in Excel's units (the width of a digit): wide enough for a
// heading like "Оценка, %", narrow enough that a long reason does not push
// every other column off the screen.
constexpr int kMinColumnWidth = 8;
constexpr int kMaxColumnWidth = 60;
// Excel keeps at most this many characters in a cell and refuses a file
// with more, so a longer text (a reason, a case's input) is cut.
constexpr qsizetype kMaxCellText = 32767;

const QString kUnreadable = QStringLiteral("unreadable");
const QString kRejected = QStringLiteral("rejected");

// A result the way a teacher reads it; one the table does not know yet is
// shown as it came rather than lost.
QString ResultWord(const QString& result) {
    static const QHash<QString, QString> words = {
        {QStringLiteral("passed"), QStringLiteral("пройден")},
        {QStringLiteral("failed"), QStringLiteral("не пройден")},
        {kUnreadable, QStringLiteral("не читается")},
        {kRejected, QStringLiteral("отклонён")},
        {QStringLiteral("stopped"), QStringLiteral("остановлена")},
        {QStringLiteral("error"), QStringLiteral("ошибка")},
        {QStringLiteral("limit"), QStringLiteral("предел шагов")},
        {QStringLiteral("timeout"), QStringLiteral("время вышло")},
        {QStringLiteral("loop"), QStringLiteral("зациклилась")},
    };
    return words.value(result, result);
}

QString MachineWord(const QString& machine) {
    if (machine == QLatin1String("post")) {
        return QStringLiteral("Пост");
    }
    if (machine == QLatin1String("turing")) {
        return QStringLiteral("Тьюринг");
    }
    return machine;
}

// "1 шаг", "3 шага", "25 шагов", "11 шагов", "101 шаг".
QString StepCount(qint64 steps) {
    const qint64 lastTwo = std::abs(steps % 100);
    const qint64 last = lastTwo % 10;
    const char* noun = "шагов";
    if (lastTwo < 11 || lastTwo > 14) {
        if (last == 1) {
            noun = "шаг";
        } else if (last >= 2 && last <= 4) {
            noun = "шага";
        }
    }
    return QString::number(steps) + u' ' + QString::fromUtf8(noun);
}

// A case cell: the result, and the steps of a run that took place.
QString CellText(const ClassReportCell& cell) {
    if (cell.result == kUnreadable || cell.result == kRejected) {
        return ResultWord(cell.result);
    }
    return ResultWord(cell.result) + QStringLiteral(", ") + StepCount(cell.steps);
}

QString CaseHead(const ClassReportCase& c) {
    return QStringLiteral("строка %1: %2 => %3").arg(c.line).arg(c.input, c.expected);
}

// What a cell can hold. Spreadsheets read "_x0041_" in a stored text as the
// character it codes (libxlsxwriter stores control characters that way), so
// each underscore that starts such a sequence in the text itself is coded as
// "_x005F_" and the text reads back as written; every one of them, so that
// "_x0041_x0042_" does not turn into a code once its first is spelt out.
// The result is cut at Excel's limit without splitting a pair of surrogates.
QByteArray CellBytes(const QString& text) {
    QString kept = text;
    if (kept.contains(QLatin1String("_x"), Qt::CaseInsensitive)) {
        static const QRegularExpression coded(QStringLiteral("_(?=[xX][0-9A-Fa-f]{4}_)"));
        kept.replace(coded, QStringLiteral("_x005F_"));
    }
    if (kept.size() > kMaxCellText) {
        kept.truncate(kept.at(kMaxCellText - 1).isHighSurrogate() ? kMaxCellText - 1
                                                                  : kMaxCellText);
    }
    return kept.toUtf8();
}

// The formats both sheets share, made once per workbook.
struct Formats {
    lxw_format* header = nullptr;
    lxw_format* score = nullptr;
    lxw_format* count = nullptr;
    lxw_format* passed = nullptr;
    lxw_format* failed = nullptr;
};

// Excel's own "good" and "bad" colours: a light fill under a dark text of
// the same hue, readable in print and on screen.
lxw_format* FillFormat(lxw_workbook* workbook, lxw_color_t fill, lxw_color_t font) {
    lxw_format* format = workbook_add_format(workbook);
    if (format != nullptr) {
        format_set_bg_color(format, fill);
        format_set_font_color(format, font);
    }
    return format;
}

bool MakeFormats(lxw_workbook* workbook, Formats& formats) {
    formats.header = workbook_add_format(workbook);
    formats.score = workbook_add_format(workbook);
    formats.count = workbook_add_format(workbook);
    formats.passed = FillFormat(workbook, 0xC6EFCE, 0x006100);
    formats.failed = FillFormat(workbook, 0xFFC7CE, 0x9C0006);
    if (formats.header == nullptr || formats.score == nullptr || formats.count == nullptr ||
        formats.passed == nullptr || formats.failed == nullptr) {
        return false;
    }
    format_set_bold(formats.header);
    format_set_num_format(formats.score, "0.0");
    format_set_num_format(formats.count, "0");
    return true;
}

// Writes one sheet cell by cell. It keeps the first error (later cells are
// then passed over) and the longest text of each column, so the columns are
// sized once every row is in. Rows and columns are checked here as whole
// numbers, since libxlsxwriter's column type would wrap a large index round
// onto an earlier column.
class SheetWriter {
public:
    explicit SheetWriter(lxw_worksheet* sheet) : sheet_(sheet) {}

    void Heads(const QStringList& heads, lxw_format* bold) {
        for (qsizetype col = 0; col < heads.size(); ++col) {
            Text(0, col, heads.at(col), bold);
        }
    }

    void Text(qsizetype row, qsizetype col, const QString& text, lxw_format* format = nullptr) {
        if (Place(row, col, text)) {
            Check(worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(col),
                                         CellBytes(text).constData(), format));
        }
    }

    // A number is shown as `shown` says, which sizes its column. One that
    // is not finite would make the file unreadable, so its cell stays empty.
    void Number(qsizetype row, qsizetype col, double value, const QString& shown,
                lxw_format* format) {
        if (std::isfinite(value) && Place(row, col, shown)) {
            Check(worksheet_write_number(sheet_, lxw_row_t(row), lxw_col_t(col), value, format));
        }
    }

    // Sizes the columns and freezes the header row; the first error met.
    lxw_error Finish() {
        for (size_t col = 0; col < widths_.size() && error_ == LXW_NO_ERROR; ++col) {
            const qsizetype width =
                std::clamp<qsizetype>(widths_[col] + 2, kMinColumnWidth, kMaxColumnWidth);
            Check(worksheet_set_column(sheet_, lxw_col_t(col), lxw_col_t(col), double(width),
                                       nullptr));
        }
        if (error_ == LXW_NO_ERROR) {
            worksheet_freeze_panes(sheet_, 1, 0);
        }
        return error_;
    }

private:
    bool Place(qsizetype row, qsizetype col, const QString& shown) {
        if (error_ != LXW_NO_ERROR) {
            return false;
        }
        if (row >= LXW_ROW_MAX || col >= LXW_COL_MAX) {
            error_ = LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE;
            return false;
        }
        if (widths_.size() <= size_t(col)) {
            widths_.resize(size_t(col) + 1, 0);
        }
        for (const QString& line : DocumentFile::SplitLines(shown, false)) {
            widths_[size_t(col)] = std::max<qsizetype>(widths_[size_t(col)], line.size());
        }
        return true;
    }

    void Check(lxw_error error) {
        if (error_ == LXW_NO_ERROR) {
            error_ = error;
        }
    }

    lxw_worksheet* sheet_;
    std::vector<qsizetype> widths_;
    lxw_error error_ = LXW_NO_ERROR;
};

QStringList SummaryHeads(const ClassReport& report) {
    QStringList heads = {QStringLiteral("Файл"), QStringLiteral("Машина"),
                         QStringLiteral("Результат")};
    if (report.withCases) {
        heads << QStringLiteral("Пройдено") << QStringLiteral("Не пройдено")
              << QStringLiteral("Оценка, %");
    }
    if (report.withGrowth) {
        heads << QStringLiteral("Рост") << QStringLiteral("Постоянная роста");
    }
    heads << QStringLiteral("Шагов всего");
    if (report.withSimilar) {
        heads << QStringLiteral("Совпадает с");
    }
    if (report.withCases) {
        for (const ClassReportCase& c : report.cases) {
            heads << CaseHead(c);
        }
    }
    heads << QStringLiteral("Примечание");
    return heads;
}

void WriteSummaryRow(SheetWriter& sheet, qsizetype row, const ClassReportRow& entry,
                     const ClassReport& report, const Formats& formats) {
    qsizetype col = 0;
    sheet.Text(row, col++, entry.file);
    sheet.Text(row, col++, MachineWord(entry.machine));
    sheet.Text(row, col++, ResultWord(entry.result));
    if (report.withCases) {
        sheet.Number(row, col++, entry.passed, QString::number(entry.passed), formats.count);
        sheet.Number(row, col++, entry.failed, QString::number(entry.failed), formats.count);
        sheet.Number(row, col++, entry.score, QString::number(entry.score, 'f', 1), formats.score);
    }
    if (report.withGrowth) {
        const GrowthFit fit = entry.growth.value_or(GrowthFit{});
        sheet.Text(row, col++, fit.model ? fit.Name() : QStringLiteral("не определён"));
        if (fit.model) {
            sheet.Number(row, col, fit.Constant(), GrowthConstantText(fit), nullptr);
        }
        ++col;
    }
    sheet.Number(row, col++, double(entry.steps), QString::number(entry.steps), formats.count);
    if (report.withSimilar) {
        sheet.Text(row, col++, entry.similarTo.join(QStringLiteral(", ")));
    }
    if (report.withCases) {
        // A row whose document never ran may hold fewer cells than there
        // are cases; its other case cells stay empty.
        for (qsizetype i = 0; i < report.cases.size(); ++i, ++col) {
            if (i < entry.cells.size()) {
                const ClassReportCell& cell = entry.cells.at(i);
                sheet.Text(row, col, CellText(cell), cell.passed ? formats.passed : formats.failed);
            }
        }
    }
    sheet.Text(row, col, entry.reason);
}

lxw_error WriteSummary(lxw_worksheet* worksheet, const ClassReport& report,
                       const Formats& formats) {
    SheetWriter sheet(worksheet);
    sheet.Heads(SummaryHeads(report), formats.header);
    for (qsizetype i = 0; i < report.rows.size(); ++i) {
        WriteSummaryRow(sheet, i + 1, report.rows.at(i), report, formats);
    }
    return sheet.Finish();
}

lxw_error WriteCases(lxw_worksheet* worksheet, const ClassReport& report, const Formats& formats) {
    SheetWriter sheet(worksheet);
    sheet.Heads({QStringLiteral("Строка"), QStringLiteral("Вход"), QStringLiteral("Ожидается"),
                 QStringLiteral("Вес")},
                formats.header);
    for (qsizetype i = 0; i < report.cases.size(); ++i) {
        const ClassReportCase& c = report.cases.at(i);
        sheet.Number(i + 1, 0, c.line, QString::number(c.line), formats.count);
        sheet.Text(i + 1, 1, c.input);
        sheet.Text(i + 1, 2, c.expected);
        sheet.Number(i + 1, 3, c.weight, QString::number(c.weight), formats.count);
    }
    return sheet.Finish();
}

lxw_error FillWorkbook(lxw_workbook* workbook, const ClassReport& report) {
    Formats formats;
    if (!MakeFormats(workbook, formats)) {
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    }
    lxw_worksheet* summary = workbook_add_worksheet(workbook, "Итоги");
    if (summary == nullptr) {
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    }
    const lxw_error error = WriteSummary(summary, report, formats);
    if (error != LXW_NO_ERROR || !report.withCases) {
        return error;
    }
    lxw_worksheet* cases = workbook_add_worksheet(workbook, "Тесты");
    if (cases == nullptr) {
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    }
    return WriteCases(cases, report, formats);
}

QString LibraryError(lxw_error error) {
    return QStringLiteral("cannot write the workbook: %1")
        .arg(QString::fromUtf8(lxw_strerror(error)));
}

// Writes the workbook to `file`, with the library's own temporary files in
// `scratch`.
QString BuildWorkbook(const QString& file, const QString& scratch, const ClassReport& report) {
    const QByteArray fileName = QFile::encodeName(file);
    QByteArray scratchName = QFile::encodeName(scratch);
    lxw_workbook_options options = {};
    options.tmpdir = scratchName.data();
    lxw_workbook* workbook = workbook_new_opt(fileName.constData(), &options);
    if (workbook == nullptr) {
        return LibraryError(LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
    const lxw_error filled = FillWorkbook(workbook, report);
    // Closing frees the workbook whatever happened before, so it is closed
    // even when a cell could not be written; that file is then dropped.
    const lxw_error closed = workbook_close(workbook);
    if (filled != LXW_NO_ERROR) {
        return LibraryError(filled);
    }
    if (closed != LXW_NO_ERROR) {
        return LibraryError(closed);
    }
    return {};
}

}  // namespace

QString WriteClassWorkbook(const QString& path, const ClassReport& report) {
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return QStringLiteral("cannot make a temporary folder for the workbook: %1")
            .arg(scratch.errorString());
    }
    const QString built = scratch.filePath(QStringLiteral("report.xlsx"));
    QString error = BuildWorkbook(built, scratch.path(), report);
    if (!error.isEmpty()) {
        return error;
    }
    QFile file(built);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot read the workbook back: %1").arg(file.errorString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return QStringLiteral("cannot read the workbook back: %1").arg(file.errorString());
    }
    return DocumentFile::WriteBytes(path, bytes);
}
