#include "window/dialogs/MessageLayout.h"

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
