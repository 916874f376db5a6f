#pragma once
// Draws the cells of the Post program table and opens the
// in-place editor of the jump and comment columns. It owns the two lists of
// command pictures, WhitePicture and GreenPicture (50 x 17 logical pixels, one
// per command code 0 to 6), drawn once for each device pixel ratio a cell
// is painted at, so that they stay sharp on a scaled screen; ratio 1 is
// drawn when the delegate is made. It keeps no cell text: every paint
// reads the PostMachine, whose running row is drawn green while a run is
// active. Drawing a row whose code cell is empty stores "0" there, so that
// every drawn row carries a code.

#include <QPixmap>
#include <QStyledItemDelegate>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/machine/StepOutcome.h"
#include "window/resources/PerRatio.h"

class PostMachine;
class QLineEdit;

class PostTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Codes 0 ("no command") to 6 ("Стоп"), as PostOp numbers them.
    static constexpr int CodeCount = int(PostOp::Stop) + 1;
    static constexpr int PictureWidth = 50;
    static constexpr int PictureHeight = 17;
    // The running row's ground in the colour set of the application palette.
    static QColor GreenGround();

    // The symbol of a command code (left arrow, right arrow, check, vertical
    // double arrow, question mark, exclamation mark; nothing for 0 or an
    // unknown code), centred in `box` and drawn with `ink`.
    static void DrawSymbol(QPainter& painter, const QRectF& box, int code, const QColor& ink);
    // The code a code cell's text stands for, or -1 when it is no code 0..6.
    static int CodeOf(const QString& text);
    // Text as a cell may hold it: within Windows-1251 and on one line.
    static QString CellText(const QString& text);

    explicit PostTableDelegate(PostMachine& post, QObject* parent = nullptr);

    const QPixmap& WhitePicture(int code, qreal ratio = 1) const {
        return PicturesFor(ratio).white[Index(code)];
    }
    const QPixmap& GreenPicture(int code, qreal ratio = 1) const {
        return PicturesFor(ratio).green[Index(code)];
    }

    // Called whenever an in-place editor opens on a cell, before the user
    // types anything (the edit prologue hangs here).
    std::function<void(const QModelIndex&)> editorOpened;
    // The row a run stands on, drawn green; 0 while no run is active.
    std::function<int()> runningRow = [] { return 0; };
    // Whether a row carries a breakpoint, drawn as a red disc in its number.
    std::function<bool(int)> breakpointAt = [](int) { return false; };

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    static std::size_t Index(int code) {
        return std::size_t(code >= 1 && code < CodeCount ? code : 0);
    }
    struct Pictures {
        std::array<QPixmap, CodeCount> white;
        std::array<QPixmap, CodeCount> green;
    };
    static QPixmap DrawPicture(int code, const QColor& ground, qreal ratio);
    static Pictures DrawPictures(qreal ratio);
    const Pictures& PicturesFor(qreal ratio) const;
    void EditorTextEdited(QLineEdit* editor);

    PostMachine& post_;
    PerRatio<Pictures> pictures_{&PostTableDelegate::DrawPictures};
};
