#include "core/run/OutcomeReporter.h"

#include "core/machine/Machine.h"
#include "core/machine/StatusLine.h"
#include "core/port/Ui.h"
#include "core/run/LoopReporter.h"
#include "core/run/RunController.h"
#include "core/text/Language.h"

DialogAnswer OutcomeReporter::AskRestart() {
    return host_.UiPort().ShowMessageDialog(
        {MessageKind::RestartQuestion, Tr("OutcomeReporter", "Предупреждение!"),
         Tr("OutcomeReporter", "Программа и/или лента были изменены.  Выполнить: ")});
}

bool OutcomeReporter::AskGoOn(const Machine& machine, qint64 steps) {
    return host_.UiPort().ShowMessageDialog(
               {MessageKind::GoOnQuestion, machine.Caption(),
                Tr("OutcomeReporter", "Программа выполнила %1 шагов. Продолжить?").arg(steps)}) ==
           DialogAnswer::Yes;
}

void OutcomeReporter::Finish(Machine& machine, const StepOutcome& outcome) {
    if (outcome.error == StepError::Loop) {
        LoopReporter(run_, host_).Report(machine, outcome);
        return;
    }
    if (outcome.executed) {
        // The command ran and the next one cannot be shown: a single step
        // still ends in a pause before the run is broken.
        if (run_.StepMode()) {
            run_.PauseAfterStep(machine);
        }
        host_.Status().SetText(StatusLine::Message, QString());
    }
    if (outcome.result == StepOutcome::Result::Stopped) {
        Stopped(machine);
        return;
    }
    if (outcome.error == StepError::OffTape) {
        ReportOffTape();
        if (!run_.PauseAvailable()) {
            run_.RefreshBoundButtons();
        }
        return;
    }
    Failed(machine, outcome);
}

void OutcomeReporter::Stopped(Machine& machine) {
    run_.Break();
    host_.UiPort().Beep();
    host_.UiPort().ShowMessageDialog(
        {MessageKind::Notice, machine.Caption(), Tr("OutcomeReporter", "Программа завершена!")});
    host_.Status().SetText(StatusLine::Message, Tr("OutcomeReporter", "  -  программа завершена"));
}

void OutcomeReporter::Failed(Machine& machine, const StepOutcome& outcome) {
    // The failing row or cell stays marked for the window; taken before the
    // break moves the cursor to where a run ends.
    FailurePlace place = machine.PlaceOfFailure(outcome);
    run_.Break();
    const ErrorTexts texts = TextsOf(outcome);
    place.status = texts.status;
    run_.MarkFailure(machine, std::move(place));
    ReportFailure(Tr("OutcomeReporter", "Ошибка"), texts.dialog, texts.helpTopic, texts.status);
}

void OutcomeReporter::ReportOffTape() {
    host_.UiPort().Beep();
    run_.Break();
    host_.UiPort().ShowMessageDialog({MessageKind::Error, Tr("OutcomeReporter", "Ошибка"),
                                      Tr("OutcomeReporter", "Каретка вышла за пределы ленты")});
}

void OutcomeReporter::ReportFailure(const QString& caption, const QString& message, int helpTopic,
                                    const QString& status) {
    host_.UiPort().Beep();
    if (host_.UiPort().ShowMessageDialog({MessageKind::ErrorWithHelp, caption, message}) ==
        DialogAnswer::Help) {
        host_.UiPort().ShowHelpTopic(helpTopic);
    }
    host_.Status().SetText(StatusLine::Message, status);
}
