#pragma once
// The toolbar's pictures, drawn in code for one device pixel ratio: the
// 22 x 20 pictures of the ten buttons from "new document" to "mark" when
// enabled, the same ten disabled (their dark lines embossed in grey, light
// fills gone), the change-symbol button's picture (11 x 20, enabled and
// disabled), and the drawn face of the write-symbol button. Sizes
// are logical pixels; a picture for ratio r holds r times as many device
// pixels and is drawn in logical coordinates, so its lines are r device
// pixels wide and stay sharp on a scaled screen. At ratio 1 the pictures
// are exactly the classic ones. The face, the text and the disabled
// pictures' light edge come from the colour set in use.

#include <QFont>
#include <QPixmap>
#include <array>

class ToolPictures {
public:
    static constexpr int Count = 10;
    static constexpr QSize PictureSize{22, 20};
    static constexpr QSize SymbolChangeSize{11, 20};
    static constexpr QSize SymbolButtonSize{24, 22};
    // The button face the toolbar and its pictures stand on, in the colour
    // set of the application palette.
    static QColor Face();

    explicit ToolPictures(qreal ratio = 1);

    qreal Ratio() const { return ratio_; }
    // Whether the pictures were drawn for the dark colour set.
    bool Dark() const { return dark_; }
    // Index 0 to 9: new, open, save, memorise tape, restore tape, run,
    // pause, step, break, mark.
    const QPixmap& Enabled(int index) const;
    const QPixmap& Disabled(int index) const;
    const QPixmap& SymbolChange(bool enabled) const { return symbolChange_[enabled ? 0 : 1]; }

    // The write-symbol button's face: the symbol at (5, 4), or "нет" at (1, 4) when
    // `symbol` is empty or "нет", in bold black on the button face.
    static QPixmap SymbolPicture(const QString& symbol, QFont font, qreal ratio = 1);

private:
    qreal ratio_;
    bool dark_;
    std::array<QPixmap, Count> enabled_;
    std::array<QPixmap, Count> disabled_;
    std::array<QPixmap, 2> symbolChange_;
};
