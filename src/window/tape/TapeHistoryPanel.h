#pragma once
// "История ленты" (F7): the current machine's TapeHistory below the tape,
// one line per tick, newest at the bottom. While the lines are few each is
// drawn as text: the step number and the command at the left, then the
// cells the run used, a mark or a symbol each, the carriage's cell framed.
// Past kTextLines lines it is the history's picture (HistoryPicture), one
// pixel row per tick at zoom 1, zoomed with Ctrl+wheel. It follows a run
// live while scrolled to the bottom, repainting only the new line; a click
// on a line steps the paused run back to that tick
// (RunController::StepBackTo); F1 in it opens its help topic. It keeps no
// copy of the history.

#include <QAbstractScrollArea>

#include "core/machine/MachineKind.h"

class TapeHistory;
class Workbench;

class TapeHistoryPanel : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr qint64 kTextLines = 3000;
    static constexpr int kLineHeight = 18;
    static constexpr int kCellWidth = 16;
    static constexpr int kLabelWidth = 150;
    static constexpr int kMaxZoom = 16;

    TapeHistoryPanel(Workbench& bench, QWidget* parent);

    // The interpreter switch: the entered machine's history is shown.
    void FollowMachineKind();
    bool ShowsPicture() const { return picture_; }
    int Zoom() const { return zoom_; }
    void SetZoom(int zoom);
    // The viewport's y of `line`'s top, and the line at a viewport y (-1
    // past the last).
    int LineTop(qint64 line) const;
    qint64 LineAt(int y) const;
    // "Экспорт истории...": the picture of the whole history written as
    // PNG to `path`; returns why it was not, in the window's words, or an
    // empty text.
    QString Export(const QString& path) const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    QSize sizeHint() const override;

private:
    const TapeHistory& History() const;
    void Sync();
    void Relayout();
    int RowHeight() const { return picture_ ? zoom_ : kLineHeight; }
    int CellPitch() const { return picture_ ? zoom_ : kCellWidth; }
    int Left() const { return picture_ ? 0 : kLabelWidth; }
    QString Label(qint64 line) const;
    void PaintText(QPainter& painter, qint64 first, qint64 last);
    void PaintPicture(QPainter& painter, qint64 first, qint64 last);

    Workbench& bench_;
    MachineKind kind_;
    // What was last laid out: a change in any of these redraws everything.
    quint64 generation_ = 0;
    qint64 lines_ = 0;
    int lowest_ = 0;
    int highest_ = 0;
    bool picture_ = false;
    int zoom_ = 1;
};
