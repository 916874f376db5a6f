#include "core/turing/TuringCommand.h"

#include "core/text/CellText.h"

#include "core/text/IntegerSyntax.h"

std::optional<TuringCommand> ParseTuringCommand(QStringView text) {
    if (text.size() < 2) {
        return std::nullopt;
    }
    const std::optional<qint32> next = ParseInteger(text.mid(2));
    if (!next) {
        return std::nullopt;
    }
    return TuringCommand{text[0], text[1], *next};
}

std::optional<QString> NormaliseTuringCommand(QStringView text, QStringView alphabet) {
    QString command = TrimLowView(text).toString();
    command.remove(u' ');
    if (command.isEmpty()) {
        return std::nullopt;
    }

    const QChar first = command[0];
    if (IsTuringMove(first)) {
        command.prepend(kTuringBlankMark);
    } else if (first == kTuringBlankMark || alphabet.contains(first)) {
        if (command.size() < 2 || !IsTuringMove(command[1])) {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    if (!ParseInteger(QStringView(command).mid(2))) {
        return std::nullopt;
    }
    return command;
}
