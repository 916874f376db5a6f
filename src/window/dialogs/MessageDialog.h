#pragma once
// The system's own modal message dialog: every error, notice and question
// goes through it. One instance is created with the main window and reused
// for every call. It owns its label, three flat button panels and the
// one-pixel selection frame beneath them, the selected button, the button
// count and the result of the current call. Each request is shown as its
// kind looks (LookOf). It never opens help itself.

#include <QDialog>
#include <QList>
#include <array>

#include "core/port/MessageRequest.h"

class QFrame;
class QLabel;
class DialogButton;

class MessageDialog : public QDialog {
    Q_OBJECT
public:
    explicit MessageDialog(QWidget* parent = nullptr);

    static constexpr int ClientHeight = 93;
    static constexpr int ButtonTop = 58;
    static constexpr int ButtonHeight = 23;

    // Shows the request modally and returns the answer of the chosen
    // button, or Closed when the dialog was closed without a choice. A call
    // made while this dialog is already open is shown in a second, temporary
    // dialog, so the open one keeps its texts and result.
    DialogAnswer Ask(const MessageRequest& request);

    bool IsBusy() const { return busy_; }
    int Selected() const { return selected_; }
    int ButtonCount() const { return buttonCount_; }
    DialogButton* Button(int n) const { return panels_[std::size_t(n - 1)]; }
    QLabel* MessageLabel() const { return label_; }
    QFrame* SelectionFrame() const { return shape_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Prepare(const MessageRequest& request);
    void Select(int n);
    void MoveFrameToSelected();
    void Choose(int n);
    void CentreOnScreen();
    void ColourFrame();

    QLabel* label_ = nullptr;
    QFrame* shape_ = nullptr;
    std::array<DialogButton*, 3> panels_{};
    int selected_ = 1;
    int buttonCount_ = 1;
    QList<DialogAnswer> answers_;  // by button, from the left
    int result_ = 0;               // the chosen button, 0 for none
    bool busy_ = false;
};
