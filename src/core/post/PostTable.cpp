#include "core/post/PostTable.h"

#include <algorithm>

#include "core/post/PostInterpreter.h"
#include "core/text/CellText.h"
#include "core/text/IntegerSyntax.h"
#include "core/text/Language.h"

const DecodedPostRow PostTable::kOutside = [] {
    DecodedPostRow row;
    row.decoded = true;
    return row;
}();

namespace {

// The operation of a code text: "0" to "6" (an empty code reads as "0"), and
// Other for anything else, which only a damaged document can hold.
PostOp OpOf(QStringView text) {
    if (text.isEmpty()) {
        return PostOp::None;
    }
    if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'6') {
        return PostOp(text[0].unicode() - u'0');
    }
    return PostOp::Other;
}

}  // namespace

PostTable::PostTable(QObject* parent) : TextTable(ColumnCount, InitialRows + 1, parent) {
    Reshaped();
    Reset();
}

QString PostTable::CommandName(int code) {
    static const char* const kNames[] = {"",
                                         QT_TRANSLATE_NOOP("PostTable", "Влево"),
                                         QT_TRANSLATE_NOOP("PostTable", "Вправо"),
                                         QT_TRANSLATE_NOOP("PostTable", "Метка"),
                                         QT_TRANSLATE_NOOP("PostTable", "Удал."),
                                         QT_TRANSLATE_NOOP("PostTable", "Перех."),
                                         QT_TRANSLATE_NOOP("PostTable", "Стоп")};
    if (code <= 0 || code > int(PostOp::Stop)) {
        return QString();
    }
    return Tr("PostTable", kNames[code]);
}

int PostTable::CodeOfText(const QString& text) {
    const std::optional<qint32> value = ParseInteger(TrimLow(text));
    if (!value || *value < 0 || *value > int(PostOp::Stop)) {
        return -1;
    }
    return *value;
}

QString PostTable::HeaderCaption(int col) {
    switch (col) {
        case ColNumber:
            return Tr("PostTable", "Номер");
        case ColCommand:
            return Tr("PostTable", "Команда");
        case ColJump:
            return Tr("PostTable", "Отсылка");
        case ColComment:
            return Tr("PostTable", "Комментарии");
        default:
            return QString();
    }
}

void PostTable::SetProgramRows(int n) {
    SetRowCount(std::max(n, 1) + 1);
}

void PostTable::Renumber(int row) {
    if (observed_ && IsProgramRow(row)) {
        Q_EMIT CellChanged(ColNumber, row);
    }
}

void PostTable::Reset() {
    SetRowCount(InitialRows + 1);
    ClearAll();
}

void PostTable::CellWritten(int col, int row) {
    if ((col == ColCode || col == ColJump) && std::size_t(row) < decoded_.size()) {
        decoded_[std::size_t(row)].decoded = false;
    }
}

void PostTable::Decode(int row) {
    const QString& codeText = Code(row);
    const QString& jumpText = Jump(row);
    const QStringView code = TrimLowView(codeText);
    const QStringView jump = TrimLowView(jumpText);
    DecodedPostRow& decoded = decoded_[std::size_t(row)];
    decoded.op = OpOf(code);
    decoded.jumpEmpty = jump.isEmpty();
    const PostJump execution = ParsePostJumpForExecution(jump);
    decoded.jumpValid = execution.ok;
    decoded.first = execution.first;
    decoded.second = execution.second;
    const PostJump announcement = ParsePostJumpForAnnouncement(jump);
    decoded.announceValid = announcement.ok;
    decoded.announceFirst = announcement.first;
    decoded.announceSecond = announcement.second;
    decoded.untrimmed = code.size() != codeText.size() || jump.size() != jumpText.size();
    decoded.decoded = true;
}

void PostTable::TrimRow(int row) {
    if (!IsProgramRow(row)) {
        return;
    }
    for (int col : {int(ColCode), int(ColJump)}) {
        const QString& text = TextTable::Cell(col, row);
        const QStringView trimmed = TrimLowView(text);
        if (trimmed.size() != text.size()) {
            SetCell(col, row, trimmed.toString());
        }
    }
}
