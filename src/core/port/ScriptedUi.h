#pragma once
// A Ui without a screen, for tests and the batch runner: it records every
// call in order and answers each dialog from a queue of prepared answers.
//
// A dialog met with an empty queue is unplanned. By default that is a fault:
// it is listed in `unplanned` and reported to the process's handler (the
// tests install one that fails the running test), and the dialog is still
// answered with its kind's first answer, or cancelled for a file dialog, so
// the code under test goes on. A planned answer the dialog's kind does not
// offer is a fault in the same way. The batch runner and the benchmarks,
// which plan no dialogs, take every dialog's first answer quietly instead.

#include <QList>
#include <QStringList>

#include "core/port/Ui.h"

class ScriptedUi : public Ui {
public:
    enum class Unplanned { Fail, FirstButton };
    explicit ScriptedUi(Unplanned mode = Unplanned::Fail) : unplannedMode_(mode) {}

    // Called with a description of every unplanned dialog of a failing
    // ScriptedUi; nullptr (the start) reports nothing beyond `unplanned`.
    // Returns the handler it replaces.
    using UnplannedHandler = void (*)(const QString& what);
    static UnplannedHandler SetUnplannedHandler(UnplannedHandler handler);

    struct Dialog {
        MessageKind kind = MessageKind::Notice;
        QString caption;
        QString message;
        DialogAnswer answer = DialogAnswer::Closed;
    };

    DialogAnswer ShowMessageDialog(const MessageRequest& request) override;
    void ShowHelpTopic(int context) override;
    void Beep() override;
    QString AskOpenFileName(const FileDialogRequest& request) override;
    QString AskSaveFileName(const FileDialogRequest& request) override;

    // Paths chosen in the next file dialogs, first to last; an empty path,
    // or an empty queue, cancels the dialog.
    QStringList fileAnswers;
    QList<FileDialogRequest> fileDialogs;

    // Answers for the next dialogs, used first to last; Closed for a dialog
    // closed without a choice.
    QList<DialogAnswer> answers;
    // Plans the next dialog: it will be answered with `answer`.
    void ExpectDialog(DialogAnswer answer = DialogAnswer::Ok) { answers.append(answer); }

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
