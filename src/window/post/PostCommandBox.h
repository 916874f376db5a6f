#pragma once
// The command chooser of the Post table: an owner-drawn list of
// the seven command codes, item index = code (item 0 is "no command", then
// "Влево", "Вправо", "Метка", "Удал.", "Перех.", "Стоп"), each with its icon
// from ArrowPicture (16 x 16 logical pixels, drawn once for each device pixel
// ratio an item is painted at; ratio 1 when the box is made). It is 50
// pixels wide and never reached with Tab.
//
// The box only reports what the user does; the table view decides what it
// means: Chosen when the user picks an item (a click in the list, or a
// wheel or page step that moves the closed box), LetterTyped when a letter
// that begins a command is pressed (ItemForLetter), RowStepRequested when
// Up or Down is pressed while the list is closed, KeyUp when another key
// pressed in the box is released (keys the box did not see pressed are
// ignored, so the key that opened it does not act on it), and Exited when
// the focus leaves for another widget. It holds the tag that marks it
// opened for selection.

#include <QComboBox>
#include <QPixmap>
#include <array>
#include <memory>
#include <vector>
#include "window/resources/PerRatio.h"

class PostCommandBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int ItemCount = 7;
    static constexpr int BoxWidth = 50;
    static constexpr int ItemHeight = 15;
    static constexpr int IconSize = 16;
    static QString ItemText(int code);
    // The command a typed letter chooses: the next item after `from`, round
    // the list, whose text begins with `letter` in either case ("в" gives
    // "Влево" and then "Вправо" in turn); -1 when none does.
    static int ItemForLetter(QChar letter, int from);

    explicit PostCommandBox(QWidget* parent = nullptr);

    // ArrowPicture for a device pixel ratio; index 0 is an empty picture.
    const QPixmap& ArrowPicture(int code, qreal ratio = 1) const;

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    bool DroppedDown() const;
    void DropDown();
    void CloseUp();
    // Selects an item without reporting a choice; while the list is down
    // its highlight moves there too.
    void SelectItem(int index);

    // Draws one item: the icon from (left + 1, top + 1) at 12 x 12, the text
    // right of it, on the selection colour when `selected`.
    void PaintItem(QPainter& painter, const QRect& rect, int index, bool selected) const;

    void showPopup() override;

Q_SIGNALS:
    void Chosen(int index);
    void LetterTyped(QChar letter);
    void RowStepRequested(int step);  // -1 for Up, +1 for Down
    void KeyUp(int key);
    void Exited();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The letter of a key that chooses a command, or a null character.
    static QChar CommandLetter(const QKeyEvent* event, int from);

    using Pictures = std::array<QPixmap, ItemCount>;
    static Pictures DrawPictures(qreal ratio);

    PerRatio<Pictures> pictures_{&PostCommandBox::DrawPictures};
    int tag_ = 0;
    int pressedKey_ = 0;  // a key pressed in the box and not yet released
};
