#pragma once
// The arithmetic of the message dialog's layout, kept apart from the window
// so it can be checked without a display: how each kind of message looks
// (its button captions, button width and dialog width), the alignment marker
// at the start of the message, the button captions taken from the
// "|"-separated string, and where each shown button stands for a given
// dialog and button width.

#include <QString>
#include <Qt>
#include <array>

#include "core/port/MessageRequest.h"

// How a kind of message looks: its buttons' captions joined by "|", in the
// order of AnswersOf(kind), the dialog's width and each button's width.
struct MessageLook {
    QString buttons;
    int width = 0;
    int buttonWidth = 0;
};
MessageLook LookOf(MessageKind kind);
// The caption of the button that gives `answer`.
QString CaptionOf(DialogAnswer answer);

struct MessageLayout {
    static constexpr int MaxButtons = 3;

    QString text;                                // the message, a marker replaced by a space
    Qt::Alignment alignment = Qt::AlignHCenter;  // horizontal alignment of the label
    int buttonCount = 1;                         // 1 to 3
    std::array<QString, MaxButtons> captions;
    std::array<int, MaxButtons> lefts{};  // left edge of each shown button
    int buttonWidth = 0;
    int labelWidth = 0;  // dialog width - 32, never negative
    int clientWidth = 0;
};

// Lays out one message. `buttons` holds up to three captions joined by "|";
// captions past the third are dropped. Widths are kept within 0..4096 so that
// careless arguments cannot produce a window the screen cannot hold.
MessageLayout LayOutMessage(const QString& message, const QString& buttons, int width,
                            int buttonWidth);
// Lays out one message of a kind, as LookOf(kind) has it.
MessageLayout LayOutMessage(const QString& message, MessageKind kind);
