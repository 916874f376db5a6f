#include "window/resources/SpokenText.h"

#include <QCoreApplication>

#include "core/post/PostTable.h"
#include "core/tape/TapeStore.h"
#include "core/text/Language.h"
#include "core/turing/TuringCommand.h"

namespace {

QString PostCommandWords(PostOp op) {
    switch (op) {
        case PostOp::Left:
            return Tr("SpokenText", "влево");
        case PostOp::Right:
            return Tr("SpokenText", "вправо");
        case PostOp::Mark:
            return Tr("SpokenText", "поставить метку");
        case PostOp::Erase:
            return Tr("SpokenText", "стереть метку");
        case PostOp::Jump:
            return Tr("SpokenText", "переход по метке");
        case PostOp::Stop:
            return Tr("SpokenText", "стоп");
        case PostOp::None:
        case PostOp::Other:
            break;
    }
    return Tr("SpokenText", "пусто");
}

QString MoveWords(QChar move) {
    switch (move.unicode()) {
        case u'<':
            return Tr("SpokenText", "влево");
        case u'>':
            return Tr("SpokenText", "вправо");
        case u'!':
            return Tr("SpokenText", "стоп");
        default:
            return QString(move);
    }
}

}  // namespace

namespace SpokenText {

QString TapeCell(const TapeStore& tape, bool post, int cell) {
    QString content;
    if (post) {
        content = tape.PeekPostCell(cell) ? Tr("SpokenText", "метка") : Tr("SpokenText", "пусто");
    } else {
        const QChar symbol = tape.PeekTuringCell(cell);
        content =
            symbol == u' ' || symbol == QChar(0) ? Tr("SpokenText", "пробел") : QString(symbol);
    }
    QString name = Tr("SpokenText", "ячейка %1, %2").arg(cell).arg(content);
    if (cell == tape.CarriagePos()) {
        name += Tr("SpokenText", ", каретка");
    }
    return name;
}

QString PostRow(PostTable& table, int row) {
    const DecodedPostRow& decoded = table.Decoded(row);
    QString words = PostCommandWords(decoded.op);
    const PostTargets targets = decoded.Targets();
    if (decoded.op == PostOp::Jump && targets.count == 2) {
        words = Tr("SpokenText", "если нет метки — %1, иначе %2")
                    .arg(targets.rows[0])
                    .arg(targets.rows[1]);
    } else if (targets.count == 1) {
        words = Tr("SpokenText", "%1, затем %2").arg(words).arg(targets.rows[0]);
    } else if (decoded.op != PostOp::None && decoded.op != PostOp::Stop) {
        const QString jump = table.Jump(row).trimmed();
        words = jump.isEmpty() ? Tr("SpokenText", "%1, переход не указан").arg(words)
                               : Tr("SpokenText", "%1, переход «%2»").arg(words, jump);
    }
    return QStringLiteral("%1: %2").arg(row).arg(words);
}

QString TuringCell(int state, const QString& command) {
    const QString head = QStringLiteral("Q%1: ").arg(state);
    const QString text = command.trimmed();
    if (text.isEmpty()) {
        return head + Tr("SpokenText", "пусто");
    }
    const std::optional<TuringCommand> parsed = ParseTuringCommand(text);
    if (!parsed || !IsTuringMove(parsed->move)) {
        return head + text;
    }
    const QString symbol =
        parsed->write == kTuringBlankMark ? Tr("SpokenText", "пробел") : QString(parsed->write);
    return head + Tr("SpokenText", "записать %1, %2, в Q%3")
                      .arg(symbol, MoveWords(parsed->move))
                      .arg(parsed->nextState);
}

}  // namespace SpokenText
