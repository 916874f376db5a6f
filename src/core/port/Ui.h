#pragma once
// The port through which the core reaches the outside world: the modal
// message dialog, the file dialogs, help topics, the alert sound and the
// toolbar's enabled states. The main window implements it for real; tests and the batch runner
// use ScriptedUi. The core never includes a widget header.

#include <QString>

#include "core/port/MessageRequest.h"

// What a file dialog shows: its title, its one file type as "Name|*.ext",
// the extension added to a name typed without one, and the name field.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString fileName;
};

class Ui {
public:
    virtual ~Ui() = default;

    // Modal. Returns one of the answers the request's kind offers, or
    // Closed; the window decides how each kind looks.
    virtual DialogAnswer ShowMessageDialog(const MessageRequest& request) = 0;

    // Opens help at a context number and returns at once.
    virtual void ShowHelpTopic(int context) = 0;

    // The platform alert sound.
    virtual void Beep() = 0;

    // Modal file dialogs; an empty result means cancelled. The save dialog
    // asks before an existing file is replaced.
    virtual QString AskOpenFileName(const FileDialogRequest& request) = 0;
    virtual QString AskSaveFileName(const FileDialogRequest& request) = 0;
};
