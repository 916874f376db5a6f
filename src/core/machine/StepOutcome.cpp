#include "core/machine/StepOutcome.h"

#include "core/port/HelpTopics.h"

namespace {

QString PostText(const PostAnnouncement& post) {
    switch (post.op) {
        case PostOp::Left:
            return QStringLiteral("  -  перевод каретки влево");
        case PostOp::Right:
            return QStringLiteral("  -  перевод каретки вправо");
        case PostOp::Mark:
            return QStringLiteral("  -  ставим метку");
        case PostOp::Erase:
            return QStringLiteral("  -  удаляем метку");
        case PostOp::Jump:
            if (post.marked) {
                return QStringLiteral("  -  метка есть, переход на строку ") +
                       QString::number(post.target);
            }
            return (post.firstTick ? QStringLiteral("  -  метки нет,  переход на строку ")
                                   : QStringLiteral("  -  метки нет, переход на строку ")) +
                   QString::number(post.target);
        case PostOp::Stop:
            return QStringLiteral("  -  завершение программы");
        case PostOp::None:
        case PostOp::Other:
            break;
    }
    return QString();
}

QString TuringText(const TuringAnnouncement& turing) {
    QString text = QStringLiteral("Символ: ") + turing.read + QStringLiteral(" -> ") +
                   turing.write + QStringLiteral(".   Состояние: q") +
                   QString::number(turing.state) + QStringLiteral(" -> q") +
                   QString::number(turing.next) + u'.';
    if (turing.move == u'>') {
        text += QStringLiteral("   Перевод каретки вправо.");
    } else if (turing.move == u'<') {
        text += QStringLiteral("   Перевод каретки влево.");
    } else {
        text += QStringLiteral("   Остановка машины.");
    }
    return text;
}

}  // namespace

QString Announcement::Text() const {
    if (const PostAnnouncement* post = std::get_if<PostAnnouncement>(&value)) {
        return PostText(*post);
    }
    if (const TuringAnnouncement* turing = std::get_if<TuringAnnouncement>(&value)) {
        return TuringText(*turing);
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
        case StepError::Loop:
            return {QStringLiteral("Программа зациклилась: с шага %1 машина повторяет одни и те "
                                   "же %2 шагов.")
                        .arg(outcome.loopStart)
                        .arg(outcome.loopLength),
                    HelpTopic::Loop, QStringLiteral("  -  ошибка:  программа зациклилась")};
        case StepError::OffTape:  // told by RunController::ReportOffTape
        case StepError::None:
            break;
    }
    return {};
}
