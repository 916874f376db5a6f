#pragma once
// A Ui without a screen, for tests and the batch runner: it records every
// call in order and answers each dialog from a queue of prepared answers, or
// with its first button once the queue is empty.

#include <QList>
#include <QStringList>
#include <array>

#include "core/port/Ui.h"

class ScriptedUi : public Ui {
public:
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
    void SetToolButtonEnabled(int n, bool on) override;
    QString AskOpenFileName(const FileDialogRequest& request) override;
    QString AskSaveFileName(const FileDialogRequest& request) override;

    // Paths chosen in the next file dialogs, first to last; an empty path,
    // or an empty queue, cancels the dialog.
    QStringList fileAnswers;
    QList<FileDialogRequest> fileDialogs;

    // Answers for the next dialogs, used first to last: the number of the
    // button chosen, or 0 for a dialog closed without a choice.
    QList<int> answers;

    // What happened, in order. `events` holds one line per call ("dialog",
    // "help 131", "beep", "button 3 off") so a test can check the sequence.
    QList<Dialog> dialogs;
    QList<int> helpTopics;
    int beeps = 0;
    QStringList events;
    std::array<bool, 13> toolButtonEnabled{};  // index 1 to 12

    void Clear();
};
