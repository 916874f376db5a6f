#include "paper/CasesPages.h"
#include "core/text/Language.h"

#include <algorithm>

namespace {

// The narrow columns' widths in points (line, start, result, steps); the
// three tapes share what is left.
constexpr double kLine = 42;
constexpr double kStart = 58;
constexpr double kResult = 120;
constexpr double kSteps = 52;

}  // namespace

QString CasesSheet::Summary(const CaseResults& results) {
    return Tr("CasesPages", "Пройдено %1 из %2").arg(results.Passed()).arg(results.size());
}

namespace CasesPages {

void Paint(PageWriter& out, const CasesSheet& sheet) {
    out.Paragraph(Tr("CasesPages", "Проверка по тестам: ") + sheet.document, out.Font(14, true));
    out.Paragraph(Tr("CasesPages", "Файл тестов: ") + sheet.casesName, out.Font(10));
    out.Paragraph(sheet.summary, out.Font(10, true));
    out.Skip(Paper::kGap);
    const double tape = std::max(40.0, (out.Width() - kLine - kStart - kResult - kSteps) / 3);
    const double widths[] = {kLine, tape, kStart, tape, kResult, tape, kSteps};
    auto row = [&widths](const QStringList& texts) {
        std::vector<std::pair<double, QString>> cells;
        cells.reserve(std::size_t(texts.size()));
        for (int col = 0; col < texts.size(); ++col) {
            cells.emplace_back(widths[col], texts[col]);
        }
        return cells;
    };
    const auto header = row(CaseColumnTitles());
    out.Room(2 * Paper::kRow);
    out.Cells(header, out.Font(8, true), true);
    const CaseList& cases = sheet.results.Cases();
    for (qsizetype i = 0; i < cases.size(); ++i) {
        if (!out.Room(Paper::kRow)) {
            out.Cells(header, out.Font(8, true), true);  // repeated on each page
        }
        out.Cells(row(CaseRowTexts(sheet.kind, cases[i], sheet.results.At(i))), out.Font(8), false);
    }
}

}  // namespace CasesPages
