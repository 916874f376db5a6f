#include "core/machine/StepOutcome.h"

#include "core/port/HelpTopics.h"

QString Announcement::Text() const {
    switch (kind) {
        case Kind::Empty:
            break;
        case Kind::Post:
            switch (op) {
                case PostOp::Left:
                    return QStringLiteral("  -  перевод каретки влево");
                case PostOp::Right:
                    return QStringLiteral("  -  перевод каретки вправо");
                case PostOp::Mark:
                    return QStringLiteral("  -  ставим метку");
                case PostOp::Erase:
                    return QStringLiteral("  -  удаляем метку");
                case PostOp::Jump:
                    if (marked) {
                        return QStringLiteral("  -  метка есть, переход на строку ") +
                               QString::number(target);
                    }
                    return (firstTick ? QStringLiteral("  -  метки нет,  переход на строку ")
                                      : QStringLiteral("  -  метки нет, переход на строку ")) +
                           QString::number(target);
                case PostOp::Stop:
                    return QStringLiteral("  -  завершение программы");
                case PostOp::None:
                case PostOp::Other:
                    break;
            }
            break;
        case Kind::Turing: {
            QString text = QStringLiteral("Символ: ") + read + QStringLiteral(" -> ") + write +
                           QStringLiteral(".   Состояние: q") + QString::number(state) +
                           QStringLiteral(" -> q") + QString::number(next) + u'.';
            if (move == u'>') {
                text += QStringLiteral("   Перевод каретки вправо.");
            } else if (move == u'<') {
                text += QStringLiteral("   Перевод каретки влево.");
            } else {
                text += QStringLiteral("   Остановка машины.");
            }
            return text;
        }
    }
    return QString();
}

ErrorTexts TextsOf(const StepOutcome& outcome) {
    switch (outcome.error) {
        case StepError::PostNoCommand:
            return {QStringLiteral("Не указана команда!"), HelpTopic::PostNoCommand,
                    QStringLiteral("  -  ошибка:  не указана команда!")};
        case StepError::PostNoJump:
            return {QStringLiteral("Не указан номер отсылки!"), HelpTopic::PostNoJump,
                    QStringLiteral("  -  ошибка:  не указан номер отсылки!")};
        case StepError::PostBadJump:
            return {QStringLiteral("Неверно указан номер отсылки!"), HelpTopic::PostBadJump,
                    outcome.firstTick
                        ? QStringLiteral("  -  ошибка: неверно указан номер отсылки")
                        : QStringLiteral("  -  ошибка:  неверно указан номер отсылки")};
        case StepError::PostNoSuchRow:
            return {QStringLiteral("Команды с таким номером не существует!"),
                    HelpTopic::PostNoSuchRow,
                    QStringLiteral("  -  ошибка:  команды с таким номером не существует")};
        case StepError::PostMarkExists:
            return {QStringLiteral("Нельзя ставить метку, где она уже есть!"),
                    HelpTopic::PostMarkExists,
                    QStringLiteral("  -  ошибка:  нельзя ставить метку, где она уже есть")};
        case StepError::PostNoMark:
            return {QStringLiteral("Нельзя стереть метку, где ее нет!"), HelpTopic::PostNoMark,
                    QStringLiteral("  -  ошибка:  нельзя стереть метку, где ее нет")};
        case StepError::TuringNoSymbol:
            return {
                QStringLiteral("Cимвола <") + outcome.symbol + QStringLiteral("> нет в алфавите"),
                HelpTopic::TuringNoSymbol,
                QStringLiteral("  -  ошибка:  данного символа нет в алфавите")};
        case StepError::TuringNoCommand:
            return {QStringLiteral("Не указана команда"), HelpTopic::TuringNoCommand,
                    QStringLiteral("  -  ошибка:  не указана команда")};
        case StepError::TuringBadCommand:
            return {QStringLiteral("Неверная запись команды"), HelpTopic::TuringBadCommand,
                    QStringLiteral("  -  ошибка:  неверная запись команды")};
        case StepError::TuringNoState: {
            const QString number = QString::number(outcome.number);
            return {QStringLiteral("Состояние  Q") + number + QStringLiteral("  отсутствует"),
                    HelpTopic::TuringNoState,
                    QStringLiteral("  -  ошибка:  cостояние  Q") + number +
                        QStringLiteral("  отсутствует")};
        }
        case StepError::OffTape:  // told by RunController::ReportOffTape
        case StepError::None:
            break;
    }
    return {};
}
