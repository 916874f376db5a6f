#include "window/main/AccessibleFactory.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "window/dialogs/DialogButton.h"
#include "window/dialogs/MessageDialog.h"
#include "window/main/StatusBarPanel.h"
#include "window/resources/ScreenReader.h"
#include "window/tape/TapeAccessible.h"
#include "window/tape/TapeGridWidget.h"
#include "window/turing/TuringTableAccessible.h"
#include "window/turing/TuringTableView.h"

namespace {

// A status panel is a label: its name is the text it shows, its
// description the panel's role, which the window sets.
class StatusPanelAccessible : public QAccessibleWidget {
public:
    explicit StatusPanelAccessible(StatusBarPanel* panel)
        : QAccessibleWidget(panel, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<StatusBarPanel*>(widget())->Text().trimmed();
        }
        return QAccessibleWidget::text(t);
    }
};

// The message dialog is an alert: its caption is its name and its message
// its description, so a screen reader says both when it appears.
class MessageDialogAccessible : public QAccessibleWidget {
public:
    explicit MessageDialogAccessible(MessageDialog* dialog)
        : QAccessibleWidget(dialog, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            return static_cast<MessageDialog*>(widget())->MessageLabel()->text();
        }
        return QAccessibleWidget::text(t);
    }
};

// A message dialog's button panel is a push button named by its caption;
// pressing it chooses it, as a click does.
class DialogButtonAccessible : public QAccessibleWidget {
public:
    explicit DialogButtonAccessible(DialogButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return Button()->Caption();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            Q_EMIT Button()->Pressed(Button()->Number());
            Q_EMIT Button()->Released(Button()->Number(), true);
        }
    }

private:
    DialogButton* Button() const { return static_cast<DialogButton*>(widget()); }
};

QAccessibleInterface* Make(const QString&, QObject* object) {
    if (auto* button = qobject_cast<DialogButton*>(object)) {
        return new DialogButtonAccessible(button);
    }
    if (auto* grid = qobject_cast<TapeGridWidget*>(object)) {
        return new TapeAccessible(grid);
    }
    if (auto* table = qobject_cast<TuringTableView*>(object)) {
        return new TuringTableAccessible(table);
    }
    if (auto* panel = qobject_cast<StatusBarPanel*>(object)) {
        return new StatusPanelAccessible(panel);
    }
    if (auto* dialog = qobject_cast<MessageDialog*>(object)) {
        return new MessageDialogAccessible(dialog);
    }
    return nullptr;
}

}  // namespace

namespace AccessibleFactory {

void Install() {
    static const bool installed = [] {
        ScreenReader::Follow();
        QAccessible::installFactory(Make);
        return true;
    }();
    (void)installed;
}

}  // namespace AccessibleFactory
