#include "core/machine/StepOutcome.h"

#include "core/port/HelpTopics.h"
#include "core/text/Language.h"

namespace {

QString PostText(const PostAnnouncement& post) {
    switch (post.op) {
        case PostOp::Left:
            return Tr("StepOutcome", "  -  перевод каретки влево");
        case PostOp::Right:
            return Tr("StepOutcome", "  -  перевод каретки вправо");
        case PostOp::Mark:
            return Tr("StepOutcome", "  -  ставим метку");
        case PostOp::Erase:
            return Tr("StepOutcome", "  -  удаляем метку");
        case PostOp::Jump:
            if (post.marked) {
                return Tr("StepOutcome", "  -  метка есть, переход на строку ") +
                       QString::number(post.target);
            }
            return (post.firstTick ? Tr("StepOutcome", "  -  метки нет,  переход на строку ")
                                   : Tr("StepOutcome", "  -  метки нет, переход на строку ")) +
                   QString::number(post.target);
        case PostOp::Stop:
            return Tr("StepOutcome", "  -  завершение программы");
        case PostOp::None:
        case PostOp::Other:
            break;
    }
    return QString();
}

QString TuringText(const TuringAnnouncement& turing) {
    QString text = Tr("StepOutcome", "Символ: ") + turing.read + QStringLiteral(" -> ") +
                   turing.write + Tr("StepOutcome", ".   Состояние: q") +
                   QString::number(turing.state) + QStringLiteral(" -> q") +
                   QString::number(turing.next) + u'.';
    if (turing.move == u'>') {
        text += Tr("StepOutcome", "   Перевод каретки вправо.");
    } else if (turing.move == u'<') {
        text += Tr("StepOutcome", "   Перевод каретки влево.");
    } else {
        text += Tr("StepOutcome", "   Остановка машины.");
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
            return {Tr("StepOutcome", "Не указана команда!"), HelpTopic::PostNoCommand,
                    Tr("StepOutcome", "  -  ошибка:  не указана команда!")};
        case StepError::PostNoJump:
            return {Tr("StepOutcome", "Не указан номер отсылки!"), HelpTopic::PostNoJump,
                    Tr("StepOutcome", "  -  ошибка:  не указан номер отсылки!")};
        case StepError::PostBadJump:
            return {Tr("StepOutcome", "Неверно указан номер отсылки!"), HelpTopic::PostBadJump,
                    outcome.firstTick
                        ? Tr("StepOutcome", "  -  ошибка: неверно указан номер отсылки")
                        : Tr("StepOutcome", "  -  ошибка:  неверно указан номер отсылки")};
        case StepError::PostNoSuchRow:
            return {Tr("StepOutcome", "Команды с таким номером не существует!"),
                    HelpTopic::PostNoSuchRow,
                    Tr("StepOutcome", "  -  ошибка:  команды с таким номером не существует")};
        case StepError::PostMarkExists:
            return {Tr("StepOutcome", "Нельзя ставить метку, где она уже есть!"),
                    HelpTopic::PostMarkExists,
                    Tr("StepOutcome", "  -  ошибка:  нельзя ставить метку, где она уже есть")};
        case StepError::PostNoMark:
            return {Tr("StepOutcome", "Нельзя стереть метку, где ее нет!"), HelpTopic::PostNoMark,
                    Tr("StepOutcome", "  -  ошибка:  нельзя стереть метку, где ее нет")};
        case StepError::TuringNoSymbol:
            return {Tr("StepOutcome", "Cимвола <") + outcome.symbol +
                        Tr("StepOutcome", "> нет в алфавите"),
                    HelpTopic::TuringNoSymbol,
                    Tr("StepOutcome", "  -  ошибка:  данного символа нет в алфавите")};
        case StepError::TuringNoCommand:
            return {Tr("StepOutcome", "Не указана команда"), HelpTopic::TuringNoCommand,
                    Tr("StepOutcome", "  -  ошибка:  не указана команда")};
        case StepError::TuringBadCommand:
            return {Tr("StepOutcome", "Неверная запись команды"), HelpTopic::TuringBadCommand,
                    Tr("StepOutcome", "  -  ошибка:  неверная запись команды")};
        case StepError::TuringNoState: {
            const QString number = QString::number(outcome.number);
            return {Tr("StepOutcome", "Состояние  Q") + number + Tr("StepOutcome", "  отсутствует"),
                    HelpTopic::TuringNoState,
                    Tr("StepOutcome", "  -  ошибка:  cостояние  Q") + number +
                        Tr("StepOutcome", "  отсутствует")};
        }
        case StepError::Loop:
            return {Tr("StepOutcome",
                       "Программа зациклилась: с шага %1 машина повторяет одни и те "
                       "же %2 шагов.")
                        .arg(outcome.loopStart)
                        .arg(outcome.loopLength),
                    HelpTopic::Loop, Tr("StepOutcome", "  -  ошибка:  программа зациклилась")};
        case StepError::OffTape:  // told by RunController::ReportOffTape
        case StepError::None:
            break;
    }
    return {};
}
