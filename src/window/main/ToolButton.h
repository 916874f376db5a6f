#pragma once
// One toolbar button: a flat picture control that, beside the usual mouse
// events, reports the pointer entering and leaving it (even when disabled,
// so the toolbar can decide its hover frame). It owns its pictures (one for
// enabled, one for disabled), its hint ("short|long": the tooltip shows the
// short part, the status line the long part) and its pressed look: one
// pixel right and down from its home place. A disabled button reacts to
// nothing but hover; a click is a left press and release over it.

#include <QPixmap>
#include <QWidget>

class ToolButton : public QWidget {
    Q_OBJECT
public:
    ToolButton(int number, QWidget* parent);

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
    void Clicked(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetPressedLook(bool on);

    int number_;
    QRect home_;
    bool pressedLook_ = false;
    QPixmap enabled_;
    QPixmap disabled_;
    QString hint_;
};
