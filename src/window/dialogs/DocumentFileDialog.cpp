#include "window/dialogs/DocumentFileDialog.h"

#include <QApplication>
#include <QLineEdit>

#include "window/dialogs/MessageDialog.h"

namespace {

// "Машина Поста|*.pst" as the dialog's filter "Машина Поста (*.pst)".
QString NameFilter(const QString& filter) {
    return filter.section(u'|', 0, 0) + QStringLiteral(" (") + filter.section(u'|', 1) +
           QStringLiteral(")");
}

bool IsPattern(const QString& name) {
    return name.contains(u'*') || name.contains(u'?');
}

}  // namespace

DocumentFileDialog::DocumentFileDialog(QWidget* parent, const FileDialogRequest& request,
                                       AcceptMode mode)
    : QFileDialog(parent), startName_(request.fileName) {
    setWindowTitle(request.title);
    setNameFilter(NameFilter(request.filter));
    setDefaultSuffix(request.defaultSuffix);
    setAcceptMode(mode);
    if (mode == AcceptOpen) {
        setFileMode(AnyFile);
    }
    // A pattern in a folder ("/home/class/*.cases") opens in that folder
    // with the pattern in the name field.
    const QFileInfo start(startName_);
    if (IsPattern(start.fileName()) && start.fileName() != startName_) {
        setDirectory(start.absolutePath());
        startName_ = start.fileName();
    }
    if (!IsPattern(startName_)) {
        selectFile(startName_);
    }
}

QString DocumentFileDialog::Ask() {
    if (exec() != Accepted || selectedFiles().isEmpty()) {
        return QString();
    }
    return selectedFiles().front();
}

void DocumentFileDialog::showEvent(QShowEvent* event) {
    QFileDialog::showEvent(event);
    // Qt's own dialog has the field; a desktop's native one starts empty.
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        if (IsPattern(startName_)) {
            name->setText(startName_);
        }
    }
}

void DocumentFileDialog::accept() {
    auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString typed = name ? name->text().trimmed() : QString();
    if (!IsPattern(typed)) {
        QFileDialog::accept();
        return;
    }
    const QString current = selectedNameFilter();
    if (!current.contains(QLatin1Char('(') + typed + QLatin1Char(')'))) {
        QStringList filters = nameFilters();
        filters.removeAll(typed);
        filters.prepend(typed);
        setNameFilters(filters);
        selectNameFilter(typed);
    }
}

void ExportToFile(QWidget* parent, MessageDialog& messages, const QString& caption,
                  const QString& filter, const QString& extension, const QString& failure,
                  const std::function<QString(const QString&)>& write) {
    DocumentFileDialog dialog(parent,
                              {caption, filter, extension, QStringLiteral("*.") + extension},
                              QFileDialog::AcceptSave);
    const QString path = dialog.Ask();
    const QString error = path.isEmpty() ? QString() : write(path);
    if (!error.isEmpty()) {
        QApplication::beep();
        messages.Ask({MessageKind::CommandError, caption, failure + error});
    }
}
