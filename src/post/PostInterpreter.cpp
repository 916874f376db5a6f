#include "post/PostInterpreter.h"

#include <optional>

#include "app/Workbench.h"
#include "documents/IntegerSyntax.h"
#include "run/RunController.h"
#include "tape/CarriageMoves.h"

namespace {

constexpr int kNoCommand = 131;
constexpr int kNoJump = 132;
constexpr int kBadJump = 133;
constexpr int kNoSuchRow = 134;
constexpr int kMarkExists = 135;
constexpr int kNoMark = 136;

PostJump ParseTwo(const QString& firstText, const QString& secondText) {
    PostJump jump;
    const std::optional<qint32> first = ParseInteger(TrimLow(firstText));
    const std::optional<qint32> second = ParseInteger(TrimLow(secondText));
    if (!first || !second) {
        jump.helpTopic = kBadJump;
        return jump;
    }
    jump.ok = true;
    jump.first = *first;
    jump.second = *second;
    return jump;
}

QString StepText(int step) {
    return QStringLiteral("Шаг:  ") + QString::number(step);
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
        bench_.SetStatusText(Workbench::PanelStep, StepText(post_.stepCount - 1));
    }
    bench_.run().Break();
    bench_.ui().Beep();
    if (bench_.ui().ShowMessageDialog(QStringLiteral("Ошибка"), dialog, QStringLiteral("Ок|Помощь"),
                                      250, 100) == 2) {
        bench_.ui().ShowHelpTopic(help);
    }
    bench_.SetStatusText(Workbench::PanelMessage, message);
}

void PostTick::Stop() {
    bench_.SetStatusText(Workbench::PanelStep, StepText(post_.stepCount - 1));
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
    post_.table.SetCell(PostTable::ColCode, row, TrimLow(post_.table.Code(row)));
    post_.table.SetCell(PostTable::ColJump, row, TrimLow(post_.table.Jump(row)));
}

bool PostTick::Announce(int row) {
    bench_.SetStatusText(Workbench::PanelStep, StepText(post_.stepCount));
    bench_.SetStatusText(Workbench::PanelMessage, QString());
    const QString& code = post_.table.Code(row);
    QString message;
    if (code == u"1") {
        message = QStringLiteral("  -  перевод каретки влево");
    } else if (code == u"2") {
        message = QStringLiteral("  -  перевод каретки вправо");
    } else if (code == u"3") {
        message = QStringLiteral("  -  ставим метку");
    } else if (code == u"4") {
        message = QStringLiteral("  -  удаляем метку");
    } else if (code == u"5") {
        const PostJump jump = ParsePostJumpForAnnouncement(post_.table.Jump(row));
        if (!jump.ok) {
            Fail(QStringLiteral("Неверно указан номер отсылки!"), kBadJump,
                 FirstTick() ? QStringLiteral("  -  ошибка: неверно указан номер отсылки")
                             : QStringLiteral("  -  ошибка:  неверно указан номер отсылки"));
            return false;
        }
        if (Marked()) {
            message = QStringLiteral("  -  метка есть, переход на строку ") +
                      QString::number(jump.second);
        } else {
            message = (FirstTick() ? QStringLiteral("  -  метки нет,  переход на строку ")
                                   : QStringLiteral("  -  метки нет, переход на строку ")) +
                      QString::number(jump.first);
        }
    } else if (code == u"6") {
        message = QStringLiteral("  -  завершение программы");
    }
    bench_.SetStatusText(Workbench::PanelMessage, message);
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
    const QString code = post_.table.Code(row);
    const QString field = post_.table.Jump(row);
    ++post_.stepCount;

    if (FirstTick()) {
        if (Announce(row) && bench_.stepMode) {
            PauseAfterStep();
        }
        return;
    }

    if (code.isEmpty() || code == u"0") {
        Fail(QStringLiteral("Не указана команда!"), kNoCommand,
             QStringLiteral("  -  ошибка:  не указана команда!"));
        return;
    }
    if (code == u"6") {
        Stop();
        return;
    }
    if (TrimLow(field).isEmpty()) {
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
    if (code == u"1" || code == u"2") {
        if (code == u"1") {
            MoveCarriageLeft(bench_);
        } else {
            MoveCarriageRight(bench_);
        }
        if (!post_.runActive) {
            return;  // the carriage refused and the run is already broken
        }
    } else if (code == u"3") {
        if (Marked()) {
            Fail(QStringLiteral("Нельзя ставить метку, где она уже есть!"), kMarkExists,
                 QStringLiteral("  -  ошибка:  нельзя ставить метку, где она уже есть"));
            return;
        }
        tape.SetPostCell(tape.CarriagePos(), true);
    } else if (code == u"4") {
        if (!Marked()) {
            Fail(QStringLiteral("Нельзя стереть метку, где ее нет!"), kNoMark,
                 QStringLiteral("  -  ошибка:  нельзя стереть метку, где ее нет"));
            return;
        }
        tape.SetPostCell(tape.CarriagePos(), false);
    }

    int next = jump.first;
    if (code == u"5" && Marked()) {
        next = jump.second;
        if (next < 1 || next > rows) {
            noSuchRow();
            return;
        }
    }
    post_.currentRow = next;
    post_.table.SetRow(next);
    Q_EMIT run.RunViewChanged();

    TrimRow(next);
    if (!Announce(next)) {
        return;
    }
    if (bench_.stepMode) {
        PauseAfterStep();
    }
}

}  // namespace

QString TrimLow(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32) {
        ++begin;
    }
    while (end > begin && text[end - 1].unicode() <= 32) {
        --end;
    }
    return text.mid(begin, end - begin);
}

PostJump ParsePostJumpForExecution(const QString& field) {
    if (TrimLow(field).isEmpty()) {
        PostJump jump;
        jump.helpTopic = kNoJump;
        return jump;
    }
    const qsizetype comma = field.indexOf(u',');
    if (comma < 0) {
        return ParseTwo(field, QStringLiteral("0"));
    }
    return ParseTwo(field.left(comma), field.mid(comma + 1));
}

PostJump ParsePostJumpForAnnouncement(const QString& field) {
    const qsizetype comma = field.indexOf(u',');
    if (comma < 0) {
        return ParseTwo(QString(), QString());
    }
    return ParseTwo(field.left(comma), field.mid(comma + 1));
}

void PostStep(Workbench& bench) {
    PostTick(bench).Run();
}
