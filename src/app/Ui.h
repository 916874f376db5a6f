#pragma once
// The port through which the core reaches the outside world: the modal
// message dialog, help topics, the alert sound and the toolbar's enabled
// states. The main window implements it for real; tests and the batch runner
// use ScriptedUi. The core never includes a widget header.

#include <QString>

class Ui {
public:
    virtual ~Ui() = default;

    // Modal. `buttons` holds one to three captions joined by "|". Returns the
    // number of the chosen button counted from the left (1 to 3), or 0 when
    // the dialog was closed without a choice.
    virtual int ShowMessageDialog(const QString& caption, const QString& message,
                                  const QString& buttons, int width, int buttonWidth) = 0;

    // Opens help at a context number and returns at once.
    virtual void ShowHelpTopic(int context) = 0;

    // The platform alert sound.
    virtual void Beep() = 0;

    // Toolbar buttons are numbered 1 to 12.
    virtual void SetToolButtonEnabled(int n, bool on) = 0;
};
