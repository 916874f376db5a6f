#include "core/post/PostInterpreter.h"

#include <optional>

#include "core/run/RunController.h"
#include "core/tape/CarriageMoves.h"
#include "core/text/CellText.h"
#include "core/text/IntegerSyntax.h"
#include "core/workbench/Workbench.h"

namespace {

constexpr int kNoCommand = 131;
constexpr int kNoJump = 132;
constexpr int kBadJump = 133;
constexpr int kNoSuchRow = 134;
constexpr int kMarkExists = 135;
constexpr int kNoMark = 136;

PostJump ParseTwo(QStringView firstText, QStringView secondText) {
    PostJump jump;
    const std::optional<qint32> first = ParseInteger(TrimLowView(firstText));
    const std::optional<qint32> second = ParseInteger(TrimLowView(secondText));
    if (!first || !second) {
        jump.helpTopic = kBadJump;
        return jump;
    }
    jump.ok = true;
    jump.first = *first;
    jump.second = *second;
    return jump;
}

void ShowStep(Workbench& bench, int step) {
    bench.SetStatusNumber(Workbench::PanelStep, QStringLiteral("Шаг:  "), step);
}

// The command code of a row: 0 to 6 for the texts "0" to "6" (an empty code
// cell reads as 0), and 7 for anything else, which only a damaged document
// can hold.
constexpr int kOtherCode = 7;
int CodeOf(const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'6') {
        return text[0].unicode() - u'0';
    }
    return kOtherCode;
}

class PostTick {
public:
    explicit PostTick(Workbench& bench) : bench_(bench), post_(bench.Post()) {}
    void Run();

private:
    void Fail(const QString& dialog, int help, const QString& message);
    void Stop();
    // False when the announcement failed (the run is broken).
    bool Announce(int row);
    void TrimRow(int row);
    bool Marked() { return post_.tape.GetPostCell(post_.tape.CarriagePos()); }
    bool FirstTick() const { return post_.stepCount == 1; }
    void PauseAfterStep();

    Workbench& bench_;
    PostMachine& post_;
};

void PostTick::Fail(const QString& dialog, int help, const QString& message) {
    if (!FirstTick()) {
        ShowStep(bench_, post_.stepCount - 1);
    }
    bench_.run().Break();
    bench_.ReportFailure(QStringLiteral("Ошибка"), dialog, help, message);
}

void PostTick::Stop() {
    ShowStep(bench_, post_.stepCount - 1);
    bench_.run().Break();
    bench_.ui().Beep();
    bench_.ui().ShowMessageDialog(QStringLiteral("Машина Поста"),
                                  QStringLiteral("Программа завершена!"), QStringLiteral("Ок"), 200,
                                  100);
    bench_.SetStatusText(Workbench::PanelMessage, QStringLiteral("  -  программа завершена"));
}

void PostTick::TrimRow(int row) {
    if (!post_.table.IsProgramRow(row)) {
        return;
    }
    for (int col : {int(PostTable::ColCode), int(PostTable::ColJump)}) {
        const QString& text = post_.table.Cell(col, row);
        const QStringView trimmed = TrimLowView(text);
        if (trimmed.size() != text.size()) {
            post_.table.SetCell(col, row, trimmed.toString());
        }
    }
}

bool PostTick::Announce(int row) {
    ShowStep(bench_, post_.stepCount);
    switch (CodeOf(post_.table.Code(row))) {
        case 1:
            bench_.SetStatusText(Workbench::PanelMessage,
                                 QStringLiteral("  -  перевод каретки влево"));
            break;
        case 2:
            bench_.SetStatusText(Workbench::PanelMessage,
                                 QStringLiteral("  -  перевод каретки вправо"));
            break;
        case 3:
            bench_.SetStatusText(Workbench::PanelMessage, QStringLiteral("  -  ставим метку"));
            break;
        case 4:
            bench_.SetStatusText(Workbench::PanelMessage, QStringLiteral("  -  удаляем метку"));
            break;
        case 5: {
            bench_.SetStatusText(Workbench::PanelMessage, QString());
            const PostJump jump = ParsePostJumpForAnnouncement(post_.table.Jump(row));
            if (!jump.ok) {
                Fail(QStringLiteral("Неверно указан номер отсылки!"), kBadJump,
                     FirstTick() ? QStringLiteral("  -  ошибка: неверно указан номер отсылки")
                                 : QStringLiteral("  -  ошибка:  неверно указан номер отсылки"));
                return false;
            }
            if (Marked()) {
                bench_.SetStatusNumber(Workbench::PanelMessage,
                                       QStringLiteral("  -  метка есть, переход на строку "),
                                       jump.second);
            } else {
                bench_.SetStatusNumber(Workbench::PanelMessage,
                                       FirstTick()
                                           ? QStringLiteral("  -  метки нет,  переход на строку ")
                                           : QStringLiteral("  -  метки нет, переход на строку "),
                                       jump.first);
            }
            break;
        }
        case 6:
            bench_.SetStatusText(Workbench::PanelMessage,
                                 QStringLiteral("  -  завершение программы"));
            break;
        default:
            bench_.SetStatusText(Workbench::PanelMessage, QString());
            break;
    }
    return true;
}

void PostTick::PauseAfterStep() {
    bench_.stepMode = false;
    bench_.run().SetBusy(false);
    bench_.run().TimePuskPst().stop();
    bench_.run().Pause();
}

void PostTick::Run() {
    RunController& run = bench_.run();
    run.SetBusy(true);
    const int row = post_.currentRow;
    TrimRow(row);
    const int code = CodeOf(post_.table.Code(row));
    const QString& field = post_.table.Jump(row);
    ++post_.stepCount;

    if (FirstTick()) {
        if (Announce(row) && bench_.stepMode) {
            PauseAfterStep();
        }
        return;
    }

    if (code == 0) {
        Fail(QStringLiteral("Не указана команда!"), kNoCommand,
             QStringLiteral("  -  ошибка:  не указана команда!"));
        return;
    }
    if (code == 6) {
        Stop();
        return;
    }
    if (TrimLowView(field).isEmpty()) {
        Fail(QStringLiteral("Не указан номер отсылки!"), kNoJump,
             QStringLiteral("  -  ошибка:  не указан номер отсылки!"));
        return;
    }
    const PostJump jump = ParsePostJumpForExecution(field);
    if (!jump.ok) {
        Fail(QStringLiteral("Неверно указан номер отсылки!"), kBadJump,
             QStringLiteral("  -  ошибка:  неверно указан номер отсылки"));
        return;
    }
    const int rows = post_.table.ProgramRows();
    auto noSuchRow = [this] {
        Fail(QStringLiteral("Команды с таким номером не существует!"), kNoSuchRow,
             QStringLiteral("  -  ошибка:  команды с таким номером не существует"));
    };
    if (jump.first < 1 || jump.first > rows) {
        noSuchRow();
        return;
    }

    TapeStore& tape = post_.tape;
    if (code == 1 || code == 2) {
        if (code == 1) {
            MoveCarriageLeft(bench_);
        } else {
            MoveCarriageRight(bench_);
        }
        if (!post_.runActive) {
            return;  // the carriage refused and the run is already broken
        }
    } else if (code == 3) {
        if (Marked()) {
            Fail(QStringLiteral("Нельзя ставить метку, где она уже есть!"), kMarkExists,
                 QStringLiteral("  -  ошибка:  нельзя ставить метку, где она уже есть"));
            return;
        }
        tape.SetPostCell(tape.CarriagePos(), true);
    } else if (code == 4) {
        if (!Marked()) {
            Fail(QStringLiteral("Нельзя стереть метку, где ее нет!"), kNoMark,
                 QStringLiteral("  -  ошибка:  нельзя стереть метку, где ее нет"));
            return;
        }
        tape.SetPostCell(tape.CarriagePos(), false);
    }

    int next = jump.first;
    if (code == 5 && Marked()) {
        next = jump.second;
        if (next < 1 || next > rows) {
            noSuchRow();
            return;
        }
    }
    post_.currentRow = next;
    post_.table.SetRow(next);
    run.NotifyRunView();

    TrimRow(next);
    if (!Announce(next)) {
        return;
    }
    if (bench_.stepMode) {
        PauseAfterStep();
    }
}

}  // namespace

PostJump ParsePostJumpForExecution(QStringView field) {
    if (TrimLowView(field).isEmpty()) {
        PostJump jump;
        jump.helpTopic = kNoJump;
        return jump;
    }
    const qsizetype comma = field.indexOf(u',');
    if (comma < 0) {
        return ParseTwo(field, u"0");
    }
    return ParseTwo(field.left(comma), field.mid(comma + 1));
}

PostJump ParsePostJumpForAnnouncement(QStringView field) {
    const qsizetype comma = field.indexOf(u',');
    if (comma < 0) {
        return ParseTwo(QStringView(), QStringView());
    }
    return ParseTwo(field.left(comma), field.mid(comma + 1));
}

void PostStep(Workbench& bench) {
    PostTick(bench).Run();
}
