#pragma once
// A Ui without a screen, for tests and the batch runner: it records every
// call in order and answers each dialog from a queue of prepared answers.
//
// A dialog met with an empty queue is unplanned. By default that is a fault:
// it is listed in `unplanned` and reported to the process's handler (the
// tests install one that fails the running test), and the dialog is still
// answered with its first button, or cancelled for a file dialog, so the
// code under test goes on. The batch runner and the benchmarks, which plan
// no dialogs, take every dialog's first button quietly instead.

#include <QList>
#include <QStringList>

#include "core/port/Ui.h"

class ScriptedUi : public Ui {
public:
    enum class Unplanned { Fail, FirstButton };
    explicit ScriptedUi(Unplanned mode = Unplanned::Fail) : unplannedMode_(mode) {}

    // Called with a description of every unplanned dialog of a failing
    // ScriptedUi; nullptr (the start) reports nothing beyond `unplanned`.
    using UnplannedHandler = void (*)(const QString& what);
    static void SetUnplannedHandler(UnplannedHandler handler);

    struct Dialog {
        QString caption;
        QString message;
        QString buttons;
        int width = 0;
        int buttonWidth = 0;
        int answer = 0;
    };

    DialogAnswer ShowMessageDialog(const QString& caption, const QString& message,
                                   const QString& buttons, int width, int buttonWidth) override;
    void ShowHelpTopic(int context) override;
    void Beep() override;
    QString AskOpenFileName(const FileDialogRequest& request) override;
    QString AskSaveFileName(const FileDialogRequest& request) override;

    // Paths chosen in the next file dialogs, first to last; an empty path,
    // or an empty queue, cancels the dialog.
    QStringList fileAnswers;
    QList<FileDialogRequest> fileDialogs;

    // Answers for the next dialogs, used first to last: the number of the
    // button chosen, or 0 for a dialog closed without a choice.
    QList<int> answers;
    // Plans the next dialog: it will be answered with button `answer`.
    void ExpectDialog(int answer = 1) { answers.append(answer); }

    // What happened, in order. `events` holds one line per call ("dialog",
    // "help 131", "beep") so a test can check the sequence.
    QList<Dialog> dialogs;
    QList<int> helpTopics;
    int beeps = 0;
    QStringList events;
    QStringList unplanned;

    void Clear();

private:
    void NoteUnplanned(const QString& what);

    Unplanned unplannedMode_;
};
