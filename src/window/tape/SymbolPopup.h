#pragma once
// The pop-up symbol list: a borderless 42 x 94 window with a list of
// "нет" (the blank) first and then the Turing machine's alphabet.
// Choosing an item sets TuringMachine::currentTapeSymbol and announces it
// with SymbolChosen, on which the toolbar redraws the symbol button and the
// tape panel writes the symbol into the selection; then the tape grid gets
// back its selection and the focus. The window is created once and hidden
// between uses; it closes when it loses activation, a click outside
// included. Where it opens is the caller's decision.

#include <QWidget>

class QListWidget;
class TapeGridWidget;
class TuringMachine;

class SymbolPopup : public QWidget {
    Q_OBJECT
public:
    static constexpr int PopupWidth = 42;
    static constexpr int PopupHeight = 94;
    static constexpr int ItemHeight = 13;

    SymbolPopup(TuringMachine& turing, QWidget* parent = nullptr);

    // Rebuilds the items, remembers the tape grid's selection and shows the
    // list at `screenPos` with the focus in it.
    void Popup(const QPoint& screenPos, TapeGridWidget* grid);
    QListWidget* List() const { return symbolList_; }
    // The highlighted item's row, -1 for none.
    int Highlighted() const;

    // Up and Down pressed in the list: the highlight moves and stays within
    // the list.
    void MoveHighlight(int delta);
    // Enter or Space released in the list, or a click on it: the highlighted
    // item becomes the current tape symbol. Does nothing without a highlight.
    void Choose();

Q_SIGNALS:
    void SymbolChosen(const QString& symbol);
    void VisibleChanged(bool visible);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TuringMachine& turing_;
    QListWidget* symbolList_;
    TapeGridWidget* grid_ = nullptr;
    int gridAnchor_ = 13;
    int gridFocus_ = 13;
};
