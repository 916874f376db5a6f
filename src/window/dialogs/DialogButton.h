#pragma once
// One button of the message dialog: a flat raised panel with a centred
// caption, not a native push button. It owns only its look (raised, or the
// pressed look: flat and one pixel right and down) and reports the mouse to
// the dialog, which owns the selection and the result.

#include <QWidget>

class DialogButton : public QWidget {
    Q_OBJECT
public:
    DialogButton(int number, QWidget* parent);

    int Number() const { return number_; }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // Places the panel at its own spot; the pressed look shifts it from there.
    void SetHome(int left, int top, int width, int height);
    QRect Home() const { return home_; }
    bool IsPressedLook() const { return pressedLook_; }
    void SetPressedLook(bool on);

Q_SIGNALS:
    void Hovered(int number);
    void Pressed(int number);
    // `clicked` is true for a left button released over the panel.
    void Released(int number, bool clicked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int number_;
    QString caption_;
    QRect home_;
    bool pressedLook_ = false;
};
