#include "window/resources/SpokenText.h"

#include <QCoreApplication>

#include "core/post/PostTable.h"
#include "core/tape/TapeStore.h"
#include "core/turing/TuringCommand.h"

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("SpokenText", text);
}

QString PostCommandWords(PostOp op) {
    switch (op) {
        case PostOp::Left:
            return Tr("влево");
        case PostOp::Right:
            return Tr("вправо");
        case PostOp::Mark:
            return Tr("поставить метку");
        case PostOp::Erase:
            return Tr("стереть метку");
        case PostOp::Jump:
            return Tr("переход по метке");
        case PostOp::Stop:
            return Tr("стоп");
        case PostOp::None:
        case PostOp::Other:
            break;
    }
    return Tr("пусто");
}

QString MoveWords(QChar move) {
    switch (move.unicode()) {
        case u'<':
            return Tr("влево");
        case u'>':
            return Tr("вправо");
        case u'!':
            return Tr("стоп");
        default:
            return QString(move);
    }
}

}  // namespace

namespace SpokenText {

QString TapeCell(const TapeStore& tape, bool post, int cell) {
    QString content;
    if (post) {
        content = tape.PeekPostCell(cell) ? Tr("метка") : Tr("пусто");
    } else {
        const QChar symbol = tape.PeekTuringCell(cell);
        content = symbol == u' ' || symbol == QChar(0) ? Tr("пробел") : QString(symbol);
    }
    QString name = Tr("ячейка %1, %2").arg(cell).arg(content);
    if (cell == tape.CarriagePos()) {
        name += Tr(", каретка");
    }
    return name;
}

QString PostRow(PostTable& table, int row) {
    const DecodedPostRow& decoded = table.Decoded(row);
    QString words = PostCommandWords(decoded.op);
    const PostTargets targets = decoded.Targets();
    if (decoded.op == PostOp::Jump && targets.count == 2) {
        words = Tr("если нет метки — %1, иначе %2").arg(targets.rows[0]).arg(targets.rows[1]);
    } else if (targets.count == 1) {
        words = Tr("%1, затем %2").arg(words).arg(targets.rows[0]);
    } else if (decoded.op != PostOp::None && decoded.op != PostOp::Stop) {
        const QString jump = table.Jump(row).trimmed();
        words = jump.isEmpty() ? Tr("%1, переход не указан").arg(words)
                               : Tr("%1, переход «%2»").arg(words, jump);
    }
    return QStringLiteral("%1: %2").arg(row).arg(words);
}

QString TuringCell(int state, const QString& command) {
    const QString head = QStringLiteral("Q%1: ").arg(state);
    const QString text = command.trimmed();
    if (text.isEmpty()) {
        return head + Tr("пусто");
    }
    const std::optional<TuringCommand> parsed = ParseTuringCommand(text);
    if (!parsed || !IsTuringMove(parsed->move)) {
        return head + text;
    }
    const QString symbol =
        parsed->write == kTuringBlankMark ? Tr("пробел") : QString(parsed->write);
    return head +
           Tr("записать %1, %2, в Q%3").arg(symbol, MoveWords(parsed->move)).arg(parsed->nextState);
}

}  // namespace SpokenText
