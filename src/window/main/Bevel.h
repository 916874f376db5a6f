#pragma once
// A bevel drawn on the toolbar: a raised frame (the hover frames around a
// wide or a narrow button) or a lowered line (the separators between the
// groups of buttons). It paints
// only its lines, so what lies under it shows through, and it never takes
// the mouse: a frame over a button leaves the button its enter and leave.

#include <QWidget>

class Bevel : public QWidget {
    Q_OBJECT
public:
    enum class Shape { RaisedFrame, LoweredLine };

    Bevel(Shape shape, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
};
