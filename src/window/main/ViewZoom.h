#pragma once
// The zoom of the window's views: "Крупнее", "Мельче" and "Обычный размер"
// (the items of the "Вид" menu it connects) step through a few sizes from
// 75% to 200% and hand the factor to the tape panel and both program
// tables, and the steps to the diagram, so that they grow together; the
// window's layout follows their new sizes, within the screen: a step the
// screen has no room for is refused with the alert.

#include <QObject>

class MainWindow;

class ViewZoom : public QObject {
    Q_OBJECT
public:
    explicit ViewZoom(MainWindow& window);

    qreal Factor() const;  // 1 is the normal size
    void ZoomIn();
    void ZoomOut();
    void Reset();

private:
    void StepTo(int step);
    void Apply(int step);

    MainWindow& window_;
    int step_;
};
