#pragma once
// The main window: it owns the Workbench with both machines, implements the
// Ui port for the core, and shows the status line's five panels.

#include <QMainWindow>
#include <array>

#include "app/Ui.h"
#include "app/Workbench.h"

class QLabel;
class TAboutBox;
class TfMessage;
class THelpWindow;
class TShellBars;

class TMainForm : public QMainWindow, public Ui {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    Workbench& bench() { return bench_; }
    QLabel* StatusPanel(int n) const { return statusPanels_[std::size_t(n)]; }

    int ShowMessageDialog(const QString& caption, const QString& message, const QString& buttons,
                          int width, int buttonWidth) override;
    void ShowHelpTopic(int context) override;
    void Beep() override;
    void SetToolButtonEnabled(int n, bool on) override;
    QString AskOpenFileName(const FileDialogRequest& request) override;
    QString AskSaveFileName(const FileDialogRequest& request) override;

    void UpdateTitle();

    TfMessage* MessageDialog() const { return message_; }
    THelpWindow* HelpWindow() const { return help_; }
    TAboutBox* AboutBox() const { return about_; }
    // Menus, toolbar, view toggles and the hint display.
    TShellBars& Bars() const { return *bars_; }

public Q_SLOTS:
    // "О программе" in the help menu.
    void ShowAboutBox();

private:
    void BuildStatusBar();

    Workbench bench_;
    std::array<QLabel*, Workbench::StatusPanelCount> statusPanels_{};
    // Created once with the window and reused for every call.
    TfMessage* message_ = nullptr;
    TAboutBox* about_ = nullptr;
    THelpWindow* help_ = nullptr;
    TShellBars* bars_ = nullptr;
};
