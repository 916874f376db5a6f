#include "core/port/MessageRequest.h"

QList<DialogAnswer> AnswersOf(MessageKind kind) {
    using A = DialogAnswer;
    switch (kind) {
        case MessageKind::Notice:
        case MessageKind::Error:
        case MessageKind::CommandError:
            return {A::Ok};
        case MessageKind::ErrorWithHelp:
            return {A::Ok, A::Help};
        case MessageKind::Question:
            return {A::Yes, A::No, A::Cancel};
        case MessageKind::QuestionWithHelp:
            return {A::Yes, A::No, A::Help};
        case MessageKind::GoOnQuestion:
            return {A::Yes, A::No};
        case MessageKind::RestartQuestion:
            return {A::Restart, A::Continue, A::Cancel};
    }
    return {A::Ok};
}
