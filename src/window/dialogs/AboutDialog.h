#pragma once
// The About box: the program's name and version and two links, one to write
// to the author and one to the program's page, which open in the desktop's
// own mail program and browser. Created once with the main window, shown
// modally on request; "OK" or the close box hides it, Esc does nothing.

#include <QDialog>

class QLineEdit;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // Centres the box on the screen and runs it modally.
    void ShowModal();

    QLineEdit* MailLink() const { return mailLink_; }
    QLineEdit* PageLink() const { return pageLink_; }
    QUrl MailUrl() const;
    QUrl PageUrl() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* mailLink_ = nullptr;
    QLineEdit* pageLink_ = nullptr;
};
