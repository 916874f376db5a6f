#pragma once
// Parts of a custom-drawn widget that a screen reader sees as objects of
// their own (a tape cell, a table cell). AccessiblePart is such a part: no
// QObject and no children, in its widget's window, its parent the widget's
// interface; it stays valid while the widget lives. AccessibleParts keeps
// the parts a widget's interface has handed out, registered with Qt so they
// have ids, by a key of the interface's choosing, until it forgets them.

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <map>

class AccessiblePart : public QAccessibleInterface {
public:
    explicit AccessiblePart(QWidget* owner) : owner_(owner) {}

    bool isValid() const override { return !owner_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return owner_ ? QAccessible::queryAccessibleInterface(owner_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* Owner() const { return owner_.data(); }

private:
    QPointer<QWidget> owner_;
};

template <typename Key>
class AccessibleParts {
public:
    AccessibleParts() = default;
    AccessibleParts(const AccessibleParts&) = delete;
    AccessibleParts& operator=(const AccessibleParts&) = delete;
    ~AccessibleParts() { Forget(); }

    // The part of `key`, made by `make` the first time it is asked for.
    template <typename Make>
    QAccessibleInterface* Get(const Key& key, Make make) {
        const auto found = ids_.find(key);
        if (found != ids_.end()) {
            return QAccessible::accessibleInterface(found->second);
        }
        QAccessibleInterface* part = make();
        ids_[key] = QAccessible::registerAccessibleInterface(part);
        return part;
    }
    // The part of `key` if one was handed out, else null.
    QAccessibleInterface* Find(const Key& key) const {
        const auto found = ids_.find(key);
        return found == ids_.end() ? nullptr : QAccessible::accessibleInterface(found->second);
    }
    // The key of a part handed out, or nothing.
    const Key* KeyOf(const QAccessibleInterface* part) const {
        for (const auto& [key, id] : ids_) {
            if (QAccessible::accessibleInterface(id) == part) {
                return &key;
            }
        }
        return nullptr;
    }
    // Drops every part; Qt deletes them.
    void Forget() {
        for (const auto& [key, id] : ids_) {
            QAccessible::deleteAccessibleInterface(id);
        }
        ids_.clear();
    }

private:
    std::map<Key, QAccessible::Id> ids_;
};
