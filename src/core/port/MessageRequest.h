#pragma once
// What the core asks of the message dialog: the kind of message, its caption
// and its text, and the answers each kind offers. How a kind looks (its
// button captions, its button and dialog widths) is the window's choice; the
// core names only the answers it acts on.

#include <QList>
#include <QString>

// The kinds of message the system shows.
enum class MessageKind {
    Notice,            // a plain notice, such as the end of a program: Ok
    Error,             // a failure that has no help topic: Ok
    ErrorWithHelp,     // a failure with its help topic: Ok, Help
    CommandError,      // a window command that could not be carried out: Ok
    Question,          // a question that may be cancelled: Yes, No, Cancel
    QuestionWithHelp,  // a question with its help topic: Yes, No, Help
    GoOnQuestion,      // whether to go on with what was under way: Yes, No
    RestartQuestion,   // the program or tape changed during a run: Restart, Continue, Cancel
};

// The answer to a message dialog: the button chosen, by what it means, or
// Closed when the dialog was closed without a choice.
enum class DialogAnswer { Closed, Ok, Help, Yes, No, Cancel, Restart, Continue };

struct MessageRequest {
    MessageKind kind = MessageKind::Notice;
    QString caption;
    QString message;
};

// The answers a kind offers, in the order its buttons stand; the first is
// the one chosen when the dialog is confirmed at once.
QList<DialogAnswer> AnswersOf(MessageKind kind);
