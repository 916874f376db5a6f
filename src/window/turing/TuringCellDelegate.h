#pragma once
// Draws one cell of the Turing table from its text: the corner "A \ Q", the
// state headers, the row labels and the command cells with the symbol to
// write, the move picture and the next state as a subscript of "Q". It owns
// the move pictures (WhiteImgTur and GreenImgTur: a left arrow, a right arrow
// and a no-entry sign on a white or a green ground, 25 x 25 logical pixels),
// drawn once for each device pixel ratio a cell is painted at, so that they
// stay sharp on a scaled screen, and reused for every paint; ratio 1 is
// drawn when it is made. It keeps no cell text: the caller passes what the
// model holds at the moment of painting.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <array>
#include <memory>
#include <vector>
#include "window/resources/PerRatio.h"

class QPainter;
class QRect;

class TuringCellDelegate {
public:
    static constexpr int kPictureSize = 25;
    // The running cell's ground in the colour set of the application palette.
    static QColor GreenGround();

    // `family` is the font family of the cell texts.
    explicit TuringCellDelegate(const QString& family);

    void PaintCorner(QPainter& painter, const QRect& rect, const QColor& face) const;
    void PaintHeader(QPainter& painter, const QRect& rect, const QColor& face,
                     const QString& text) const;
    void PaintLabel(QPainter& painter, const QRect& rect, const QColor& face,
                    const QString& text) const;
    // A command cell; `green` marks the command the running program shows.
    void PaintCommand(QPainter& painter, const QRect& rect, const QString& text, bool green) const;

    // The picture of a move ("<", ">" or "!") for a device pixel ratio; a
    // null pixmap for any other character.
    const QPixmap& MovePicture(QChar move, bool green, qreal ratio = 1) const;

private:
    struct Pictures {
        std::array<QPixmap, 3> white;
        std::array<QPixmap, 3> green;
    };
    static QPixmap DrawPicture(int move, const QColor& ground, qreal ratio);
    static Pictures DrawPictures(qreal ratio);
    static void DrawText(QPainter& painter, const QRect& cell, int x, int y, const QFont& font,
                         const QString& text);

    QFont normal_;     // 15 pixels
    QFont bold_;       // 15 pixels, bold
    QFont subscript_;  // 9 pixels, bold
    PerRatio<Pictures> moves_{&TuringCellDelegate::DrawPictures};
};
