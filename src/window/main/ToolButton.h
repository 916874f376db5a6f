#pragma once
// One toolbar button: a QToolButton that shows a menu item's action
// (setDefaultAction), so the action's enabled state, visibility and
// trigger are the button's own. Beside that it owns its look: two pictures
// (one for enabled, one for disabled) on the bar's face, and the pressed
// look, one pixel right and down from its home place; and its hint
// ("short|long": the tooltip shows the short part, the status line the
// long part), which stays the button's own when the action changes. It
// reports the pointer entering and leaving it, even when disabled, so the
// toolbar can decide its hover frame, and its being switched off or
// hidden, so a frame around it goes too. A click is a left press and
// release over its home place.

#include <QPixmap>
#include <QToolButton>

class ToolButton : public QToolButton {
    Q_OBJECT
public:
    ToolButton(int number, QAction* action, QWidget* parent);

    int Number() const { return number_; }

    void SetHome(const QRect& home);
    QRect Home() const { return home_; }
    bool IsPressedLook() const { return pressedLook_; }

    // The picture shown follows the enabled state; a null disabled picture
    // means the same picture in both states.
    void SetPictures(const QPixmap& enabled, const QPixmap& disabled);
    const QPixmap& CurrentPicture() const;

    void SetHint(const QString& hint);
    QString Hint() const { return hint_; }

Q_SIGNALS:
    void Entered(int number);
    void Left(int number);
    void PressedDown(int number);
    void Released(int number);
    // Switched off or hidden: nothing to frame any more.
    void Withdrawn(int number);

protected:
    void actionEvent(QActionEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SetPressedLook(bool on);
    void ShowHint();

    int number_;
    QRect home_;
    bool pressedLook_ = false;
    QPixmap enabled_;
    QPixmap disabled_;
    QString hint_;
};
