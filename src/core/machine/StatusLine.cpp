#include "core/machine/StatusLine.h"
#include "core/text/Language.h"

QString StatusLine::StartText(int panel) {
    switch (panel) {
        case Step:
            return Tr("StatusLine", "шаг:");
        case Min:
            return Tr("StatusLine", "мин:");
        case Max:
            return Tr("StatusLine", "макс:");
        default:
            return QString();
    }
}

StatusLine::StatusLine() {
    for (int i = 0; i < PanelCount; ++i) {
        texts_[std::size_t(i)] = StartText(i);
    }
}

QString StatusLine::Text(int panel) const {
    switch (panel) {
        case Message:
            return messageComposed_ ? message_.Text() : texts_[Message];
        case Step:
            return stepComposed_ ? *stepPrefix_ + QString::number(step_) : texts_[Step];
        case Min:
            return bounds_.numbers ? QStringLiteral("min: ") + QString::number(bounds_.usedMin)
                                   : texts_[Min];
        case Max:
            return bounds_.numbers ? QStringLiteral("max: ") + QString::number(bounds_.usedMax)
                                   : texts_[Max];
        case Modified:
            return texts_[Modified];
        default:
            return QString();
    }
}

void StatusLine::SetText(int panel, const QString& text) {
    if (panel < 0 || panel >= PanelCount) {
        return;
    }
    bool* composed = panel == Message               ? &messageComposed_
                     : panel == Step                ? &stepComposed_
                     : panel == Min || panel == Max ? &bounds_.numbers
                                                    : nullptr;
    QString& plain = texts_[std::size_t(panel)];
    if ((!composed || !*composed) && plain == text) {
        return;
    }
    if (composed && *composed) {
        *composed = false;
        if (panel == Min || panel == Max) {
            // The other bound keeps the number it showed.
            const int other = panel == Min ? Max : Min;
            texts_[std::size_t(other)] = Text(other);
            bounds_.numbers = false;
        }
    }
    plain = text;
    ++textsRevision_;
    Changed(panel);
}

void StatusLine::ChangeBounds(Bounds form, int usedMin, int usedMax) {
    if (form == Bounds::Numbers) {
        bounds_.numbers = true;
        bounds_.usedMin = usedMin;
        bounds_.usedMax = usedMax;
    } else {
        const bool cleared = form == Bounds::Cleared;
        const QString min = form == Bounds::Start ? StartText(Min)
                            : cleared             ? QStringLiteral("min:")
                                                  : QStringLiteral("min: ");
        const QString max = form == Bounds::Start ? StartText(Max)
                            : cleared             ? QStringLiteral("max:")
                                                  : QStringLiteral("max: ");
        if (!bounds_.numbers && texts_[Min] == min && texts_[Max] == max) {
            return;
        }
        bounds_.numbers = false;
        texts_[Min] = min;
        texts_[Max] = max;
        ++textsRevision_;
    }
    Changed(Min);
    Changed(Max);
}

void StatusLine::Restore(const Values& values, const Texts& texts) {
    messageComposed_ = values.messageComposed;
    message_ = values.message;
    stepComposed_ = values.stepComposed;
    stepPrefix_ = values.stepPrefix;
    step_ = values.step;
    bounds_ = values.bounds;
    for (int panel : {Message, Step, Min, Max}) {
        texts_[std::size_t(panel)] = texts[std::size_t(panel)];
    }
    ++textsRevision_;
    for (int panel : {Message, Step, Min, Max}) {
        Changed(panel);
    }
}

void StatusLine::SetModified(bool on) {
    if (modified_ == on) {
        return;
    }
    modified_ = on;
    SetText(Modified, on ? Tr("StatusLine", "Изменен") : QString());
}
