#pragma once
// The open and save dialogs of the documents. The name field starts with
// the request's name, a pattern such as "*.pst" included; a pattern in the
// name field, when the user confirms it, filters the list (as the pattern
// the field starts with already does) instead of being taken for a file.

#include <QFileDialog>
#include <functional>

#include "core/port/Ui.h"

class MessageDialog;

class DocumentFileDialog : public QFileDialog {
    Q_OBJECT
public:
    DocumentFileDialog(QWidget* parent, const FileDialogRequest& request, AcceptMode mode);

    // The chosen path, or an empty one when the dialog was cancelled.
    QString Ask();

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString startName_;
};

// «Экспорт...» of the window and its dialogs: asks where to write with a
// save dialog for files of `extension`, writes there with `write` (which
// returns why it failed, or nothing) and, when it fails, sounds the alert
// and says `failure` and the reason in `messages`, under `caption`.
void ExportToFile(QWidget* parent, MessageDialog& messages, const QString& caption,
                  const QString& filter, const QString& extension, const QString& failure,
                  const std::function<QString(const QString&)>& write);
