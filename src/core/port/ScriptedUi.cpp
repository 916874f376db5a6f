#include "core/port/ScriptedUi.h"

#include <atomic>

namespace {

std::atomic<ScriptedUi::UnplannedHandler> unplannedHandler{nullptr};

}  // namespace

ScriptedUi::UnplannedHandler ScriptedUi::SetUnplannedHandler(UnplannedHandler handler) {
    return unplannedHandler.exchange(handler);
}

void ScriptedUi::NoteUnplanned(const QString& what) {
    if (unplannedMode_ != Unplanned::Fail)
        return;
    unplanned.append(what);
    if (const UnplannedHandler handler = unplannedHandler)
        handler(what);
}

DialogAnswer ScriptedUi::ShowMessageDialog(const MessageRequest& request) {
    const QList<DialogAnswer> offered = AnswersOf(request.kind);
    DialogAnswer answer = offered.front();
    if (answers.isEmpty()) {
        NoteUnplanned(
            QStringLiteral("unplanned dialog \"%1\": %2").arg(request.caption, request.message));
    } else {
        answer = answers.takeFirst();
        if (answer != DialogAnswer::Closed && !offered.contains(answer)) {
            NoteUnplanned(QStringLiteral("dialog \"%1\" offers no answer %2: %3")
                              .arg(request.caption)
                              .arg(int(answer))
                              .arg(request.message));
        }
    }
    dialogs.append({request.kind, request.caption, request.message, answer});
    events.append(QStringLiteral("dialog"));
    return answer;
}

void ScriptedUi::ShowHelpTopic(int context) {
    helpTopics.append(context);
    events.append(QStringLiteral("help %1").arg(context));
}

void ScriptedUi::Beep() {
    ++beeps;
    events.append(QStringLiteral("beep"));
}

QString ScriptedUi::AskOpenFileName(const FileDialogRequest& request) {
    fileDialogs.append(request);
    events.append(QStringLiteral("open dialog"));
    if (fileAnswers.isEmpty())
        NoteUnplanned(QStringLiteral("unplanned open dialog"));
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedUi::AskSaveFileName(const FileDialogRequest& request) {
    fileDialogs.append(request);
    events.append(QStringLiteral("save dialog"));
    if (fileAnswers.isEmpty())
        NoteUnplanned(QStringLiteral("unplanned save dialog"));
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

void ScriptedUi::Clear() {
    dialogs.clear();
    helpTopics.clear();
    fileDialogs.clear();
    beeps = 0;
    events.clear();
    unplanned.clear();
}
