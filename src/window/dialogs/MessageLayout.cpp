#include "window/dialogs/MessageLayout.h"
#include "core/text/Language.h"

#include <algorithm>

namespace {

constexpr int MaxWidth = 4096;

// A leading "^", "<" or ">" picks the label's alignment and is shown as a
// space. The tests run in this order on the text as it stands after the
// previous one, so at most one marker takes effect.
void TakeAlignmentMarker(MessageLayout& layout) {
    const struct {
        QChar marker;
        Qt::Alignment alignment;
    } markers[] = {{u'^', Qt::AlignHCenter}, {u'<', Qt::AlignLeft}, {u'>', Qt::AlignRight}};
    layout.alignment = Qt::AlignHCenter;
    for (const auto& m : markers) {
        if (!layout.text.isEmpty() && layout.text.front() == m.marker) {
            layout.alignment = m.alignment;
            layout.text[0] = u' ';
        }
    }
}

}  // namespace

QString CaptionOf(DialogAnswer answer) {
    switch (answer) {
        case DialogAnswer::Ok:
            return Tr("MessageLayout", "Ок");
        case DialogAnswer::Help:
            return Tr("MessageLayout", "Помощь");
        case DialogAnswer::Yes:
            return Tr("MessageLayout", "Да");
        case DialogAnswer::No:
            return Tr("MessageLayout", "Нет");
        case DialogAnswer::Cancel:
            return Tr("MessageLayout", "Отмена");
        case DialogAnswer::Restart:
            return Tr("MessageLayout", "Заново");
        case DialogAnswer::Continue:
            return Tr("MessageLayout", "Продолжить так");
        case DialogAnswer::Closed:
            break;
    }
    return {};
}

MessageLook LookOf(MessageKind kind) {
    MessageLook look;
    for (const DialogAnswer answer : AnswersOf(kind)) {
        look.buttons +=
            (look.buttons.isEmpty() ? QString() : QStringLiteral("|")) + CaptionOf(answer);
    }
    // A notice is the narrowest; a failure of a run or a document leaves room
    // for "Помощь"; questions, and the window's own reports, are wider with
    // narrower buttons; the restart question's middle caption is the longest.
    switch (kind) {
        case MessageKind::Notice:
            look.width = 200;
            look.buttonWidth = 100;
            break;
        case MessageKind::Error:
        case MessageKind::ErrorWithHelp:
            look.width = 250;
            look.buttonWidth = 100;
            break;
        case MessageKind::CommandError:
        case MessageKind::Question:
        case MessageKind::QuestionWithHelp:
        case MessageKind::GoOnQuestion:
            look.width = 315;
            look.buttonWidth = 90;
            break;
        case MessageKind::RestartQuestion:
            look.width = 400;
            look.buttonWidth = 110;
            break;
    }
    return look;
}

MessageLayout LayOutMessage(const QString& message, MessageKind kind) {
    const MessageLook look = LookOf(kind);
    return LayOutMessage(message, look.buttons, look.width, look.buttonWidth);
}

MessageLayout LayOutMessage(const QString& message, const QString& buttons, int width,
                            int buttonWidth) {
    MessageLayout layout;
    width = std::clamp(width, 0, MaxWidth);
    buttonWidth = std::clamp(buttonWidth, 0, MaxWidth);

    layout.text = message;
    TakeAlignmentMarker(layout);
    layout.labelWidth = std::max(0, width - 32);
    layout.buttonWidth = buttonWidth;
    layout.clientWidth = width;

    // Walk the captions character by character: "|" moves to the next button.
    int n = 1;
    for (const QChar c : buttons) {
        if (c == u'|')
            ++n;
        else if (n <= MessageLayout::MaxButtons)
            layout.captions[std::size_t(n - 1)] += c;
    }
    // A fourth caption has no button to go to; the dialog keeps three rather
    // than showing none at all.
    layout.buttonCount = std::min(n, MessageLayout::MaxButtons);

    const int d = buttonWidth / 2;
    switch (layout.buttonCount) {
        case 1:
            layout.lefts = {width / 2 - d, 0, 0};
            break;
        case 2:
            layout.lefts = {width / 4 - d, (3 * width) / 4 - d, 0};
            break;
        default:
            layout.lefts = {width / 4 - d - 20, (2 * width) / 4 - d, (3 * width) / 4 - d + 20};
            break;
    }
    return layout;
}
