#include "window/resources/ScreenReader.h"

namespace {

class Observer : public QAccessible::ActivationObserver {
public:
    Observer() : active_(QAccessible::isActive()) { QAccessible::installActivationObserver(this); }
    void accessibilityActiveChanged(bool active) override { active_ = active; }
    bool Active() const { return active_; }

private:
    bool active_;
};

Observer& TheObserver() {
    // Never destroyed: Qt keeps the pointer until the process ends.
    static Observer* observer = new Observer;
    return *observer;
}

}  // namespace

namespace ScreenReader {

void Follow() {
    TheObserver();
}

bool Listening() {
    return TheObserver().Active();
}

void Tell(QAccessibleInterface* item, QAccessible::Event kind) {
    if (item && Listening()) {
        QAccessibleEvent event(item, kind);
        QAccessible::updateAccessibility(&event);
    }
}

void Tell(QObject* object, QAccessible::Event kind) {
    if (Listening()) {
        QAccessibleEvent event(object, kind);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace ScreenReader
