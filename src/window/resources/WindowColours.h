#pragma once
// The colours of every area the window draws itself (the tape, the ruler,
// both program tables, the toolbar, the status panels, the message dialog
// and the diagram), chosen as one set for the application palette: the
// classic light colours for a light palette, a matching dark set when the
// palette's window colour is dark. Every ink comes with the ground it is
// drawn on, so no area picks a foreground without its background.
// Current() follows the application palette: a paint after a palette change
// gets the set of the new palette.

#include <QColor>
#include <QPalette>

class QWidget;

struct WindowColours {
    bool dark = false;

    // The tape grids: ground, cell lines and carriage frame, the marks and
    // symbols, and the selection's grounds over a used and an empty cell.
    QColor tapeGround;
    QColor tapeLine;
    QColor tapeInk;
    QColor selectedUsedGround;
    QColor selectedEmptyGround;
    // The ruler's numbers on the tape panel's ground.
    QColor rulerGround;
    QColor rulerInk;
    // The program tables: a cell, the running row, a damaged code's text,
    // the grid lines, the fixed cells' text and light edge, the focus frame,
    // the frame of the row or cell where the last run failed.
    QColor cellGround;
    QColor cellInk;
    QColor runningGround;
    QColor errorInk;
    QColor gridLine;
    QColor fixedInk;
    QColor fixedLight;
    QColor focusFrame;
    QColor failureFrame;
    // The command chooser's pictures, on the palette's base colour.
    QColor chooserInk;
    // The Turing moves: the arrows, and the stop sign's disc and bar.
    QColor moveArrow;
    QColor stopDisc;
    QColor stopBar;
    // The toolbar: its face, the bevels' light and shadow, its text.
    QColor toolFace;
    QColor toolLight;
    QColor toolShadow;
    QColor toolInk;
    // The status panels and the message dialog: the palette's own pair.
    QColor statusGround;
    QColor statusInk;
    QColor messageInk;
    // The diagram: ground, lines and labels, a jump to nowhere, the current
    // node's fill, the arrow just taken.
    QColor diagramGround;
    QColor diagramInk;
    QColor diagramError;
    QColor diagramCurrent;
    QColor diagramTaken;

    static bool IsDark(const QPalette& palette);
    static WindowColours Light(const QPalette& palette);
    static WindowColours Dark(const QPalette& palette);
    static WindowColours For(const QPalette& palette);
    // The set for the palette in use, chosen again only when that palette
    // changed: the followed widget's palette when there is one, which
    // carries an application style sheet's colours as well as the
    // desktop's, else the application palette.
    static const WindowColours& Current();
    // The widget whose palette Current() follows (the main window), or none.
    static void Follow(const QWidget* widget);
};
