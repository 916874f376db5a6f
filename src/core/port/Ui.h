#pragma once
// The port through which the core reaches the outside world: the modal
// message dialog, the file dialogs, help topics, the alert sound and the
// toolbar's enabled states. The main window implements it for real; tests and the batch runner
// use ScriptedUi. The core never includes a widget header.

#include <QString>

// What a file dialog shows: its title, its one file type as "Name|*.ext",
// the extension added to a name typed without one, and the name field.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString fileName;
};

// The answer to a message dialog: closed without a choice, or the button
// chosen, counted from the left.
enum class DialogAnswer { Closed = 0, First = 1, Second = 2, Third = 3 };

class Ui {
public:
    virtual ~Ui() = default;

    // Modal. `buttons` holds one to three captions joined by "|".
    virtual DialogAnswer ShowMessageDialog(const QString& caption, const QString& message,
                                           const QString& buttons, int width, int buttonWidth) = 0;

    // Opens help at a context number and returns at once.
    virtual void ShowHelpTopic(int context) = 0;

    // The platform alert sound.
    virtual void Beep() = 0;

    // Modal file dialogs; an empty result means cancelled. The save dialog
    // asks before an existing file is replaced.
    virtual QString AskOpenFileName(const FileDialogRequest& request) = 0;
    virtual QString AskSaveFileName(const FileDialogRequest& request) = 0;
};
