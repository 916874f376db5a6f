#pragma once
// The five panels of the status line as plain values: the message (a text or
// the announcement of the next command), the step number, the tape's used
// bounds and the modified mark. A panel's text is composed only when it is
// read, so a run ticking millions of times pays for a few stores per tick.

#include <QString>
#include <array>
#include <optional>

#include "core/machine/StatusListener.h"
#include "core/machine/StepOutcome.h"
#include "core/tape/TapeStore.h"

class StatusLine {
public:
    enum Panel { Message = 0, Step = 1, Min = 2, Max = 3, Modified = 4 };
    static constexpr int PanelCount = 5;
    static QString StartText(int panel);

    // How the bound panels read: their start texts, the bare prefixes after
    // a tape was cleared ("min:") or erased to nothing ("min: "), or the
    // prefixes with the used bounds.
    enum class Bounds : quint8 { Start, Cleared, Empty, Numbers };

    StatusLine();

    QString Text(int panel) const;

    // Any panel as a plain text.
    void SetText(int panel, const QString& text);
    void SetMessage(const Announcement& announcement) {
        if (announcement.Empty()) {
            SetText(Message, QString());
            return;
        }
        messageComposed_ = true;
        message_ = announcement;
        Changed(Message);
    }
    // `prefix` is a text that lives as long as the program (a machine's own).
    void SetStep(const QString& prefix, qint64 number) {
        stepComposed_ = true;
        stepPrefix_ = &prefix;
        step_ = number;
        Changed(Step);
    }
    // The number the step panel shows, when it shows one.
    std::optional<qint64> StepNumber() const {
        return stepComposed_ ? std::optional<qint64>(step_) : std::nullopt;
    }
    void SetBounds(Bounds form, int usedMin, int usedMax) {
        if (form == Bounds::Numbers && bounds_.numbers && usedMin == bounds_.usedMin &&
            usedMax == bounds_.usedMax) {
            return;  // a write on a bound that stays
        }
        ChangeBounds(form, usedMin, usedMax);
    }
    void SetModified(bool on);

    // The message, step and bound panels as the step history keeps them:
    // their composed values, and the plain texts they keep (shown while a
    // panel composes nothing) with a revision that changes whenever one of
    // them is written, so that a tick that wrote none costs no copy.
    struct Values {
        bool messageComposed = false;
        Announcement message;
        bool stepComposed = false;
        const QString* stepPrefix = nullptr;
        qint64 step = 0;
        ShownBounds bounds;
    };
    static constexpr int kPlainPanels = 4;  // Message, Step, Min, Max
    using Texts = std::array<QString, kPlainPanels>;
    Values ShownValues() const {
        return {messageComposed_, message_, stepComposed_, stepPrefix_, step_, bounds_};
    }
    Texts PlainTexts() const { return {texts_[Message], texts_[Step], texts_[Min], texts_[Max]}; }
    quint64 TextsRevision() const { return textsRevision_; }
    void Restore(const Values& values, const Texts& texts);

    // What the bound panels show, for the tape of the machine shown: it
    // leaves them alone when a write keeps the bounds they show.
    const ShownBounds& BoundsShown() const { return bounds_; }

    // Told of every change once somebody listens; until then nothing is.
    void SetListener(StatusListener* listener) { listener_ = listener; }

private:
    void ChangeBounds(Bounds form, int usedMin, int usedMax);
    void Changed(int panel) {
        if (listener_) {
            listener_->StatusPanelChanged(panel);
        }
    }

    StatusListener* listener_ = nullptr;
    std::array<QString, PanelCount> texts_;  // what a panel says as a plain text
    quint64 textsRevision_ = 0;
    // Which panels say something composed instead of their plain text.
    bool messageComposed_ = false;
    Announcement message_;
    bool stepComposed_ = false;
    const QString* stepPrefix_ = nullptr;
    qint64 step_ = 0;
    ShownBounds bounds_;
    bool modified_ = false;
};
