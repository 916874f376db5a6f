#pragma once
// The tape panel of the main window (85 pixels high): both machines' tape
// grids (only the current machine's is shown), the number ruler, the go-to
// box, the two scroll buttons with their accelerating auto-repeat and the
// two scroll-to-bound buttons, plus the pop-up symbol list. It draws from
// the Workbench at every paint and follows Workbench::TapeChanged; its controls follow the
// run controller's ControlStates.
//
// The main window connects its menus, the pop-up menu tapeMenu and the
// toolbar to the command slots below, calls FollowMachineKind() after every
// interpreter switch, and hands on the tape keys it receives itself
// (TapeKeyDown).

#include <QPointer>
#include <QWidget>

#include "core/machine/MachineKind.h"

class QLineEdit;
class QMenu;
class QToolButton;
class TapeGridWidget;
class TapeRulerWidget;
class TapeScroller;
class SymbolPopup;
class Workbench;

class TapePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelHeight = 85;
    static constexpr int ButtonWidth = 18;

    explicit TapePanel(Workbench& bench, QWidget* parent = nullptr);

    TapeGridWidget* Grid(MachineKind kind) const;
    TapeGridWidget* CurrentGrid() const { return Grid(shownKind_); }
    TapeRulerWidget* Ruler() const { return ruler_; }
    QLineEdit* GoToBox() const { return goToBox_; }  // goToBox
    QToolButton* ScrollLeftButton() const { return scrollLeftButton_; }
    QToolButton* ScrollRightButton() const { return scrollRightButton_; }
    QToolButton* LeftBoundButton() const { return leftBoundButton_; }
    QToolButton* RightBoundButton() const { return rightBoundButton_; }
    TapeScroller& Scroller() const { return *scroller_; }
    SymbolPopup* SymbolList() const { return symbolPopup_; }

    // The view's zoom (1 is the normal size): the grids, the ruler, the
    // go-to box and the buttons grow with it, and so does the panel.
    void SetZoom(qreal zoom);

    // tapeMenu, opened on a right click over the tape after the selection
    // has followed the click. Without one the panel emits
    // PopupMenuRequested instead.
    void SetPopupMenu(QMenu* menu);

    // A key-down the main window received itself, for the current tape.
    // Returns whether the tape used it.
    bool TapeKeyDown(QKeyEvent* event);

    // Where the change-symbol command opens the symbol list, in screen
    // pixels, from the main window's top-left corner: under the toolbar's
    // write-symbol button (given by its left edge) when the command comes
    // from the toolbar or from the menu while the toolbar is shown; else
    // below the last selected cell, past the toolbar, the task statement
    // and this panel.
    static QPoint SymbolListFromButton(const QPoint& windowTopLeft, int symbolButtonLeft);
    QPoint SymbolListFromPopup(const QPoint& windowTopLeft, int toolbarHeight,
                               int statementHeight) const;

public Q_SLOTS:
    // Shows the grid of Workbench::Kind() with its carriage in the go-to
    // box, without counting that as an edit.
    void FollowMachineKind();
    // Redraws the grid and the ruler and writes the carriage into the box.
    void TapeWindowRefresh();

    // Space on the Post tape: toggles the marks of the selection.
    void ToggleMarks();
    // The mark command (menu, tape pop-up, toolbar): the same on the
    // carriage cell alone when the tape did not have the focus.
    void ToggleMarksCommand();
    // A character for the selection of the Turing tape.
    void WriteSymbolToSelection(QChar ch);
    // A character typed on the Turing tape: written into the selection as
    // WriteSymbolToSelection does, and then the cell right of the selection
    // is selected. A character the alphabet lacks and does not take moves
    // nothing.
    void TypeSymbol(QChar ch);
    // The write-symbol command (menu, tape pop-up, toolbar): the current
    // tape symbol into the selection.
    void WriteCurrentSymbol();
    // The change-symbol command (Ctrl+A, the tape pop-up, the toolbar):
    // opens the symbol list at `screenPos` (see SymbolListFrom...).
    void ChangeSymbol(const QPoint& screenPos);
    // clearTapeAction, tapeClearAction, and clearing the whole machine.
    void ClearTape();
    // The memorise-tape command (menu, tape pop-up, toolbar).
    void MemoriseTape();
    // The restore-tape command (menu, tape pop-up, toolbar).
    void RestoreTape();
    // carriageLeftAction ("Каретка влево") and carriageRightAction ("Каретка вправо").
    void CarriageLeft();
    void CarriageRight();

Q_SIGNALS:
    // The symbol list set TuringMachine::currentTapeSymbol: the toolbar's
    // symbol button redraws its picture.
    void SymbolChosen(const QString& symbol);
    // A tape was memorised; the restore button's hint shows its picture.
    void TapeMemorised(const QString& picture);
    void PopupMenuRequested(const QPoint& globalPos);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    int Zoomed(int pixels) const;

private:
    void OnTapeChanged(MachineKind kind);
    void OnGoToEdited(const QString& text);
    void OnDoubleClick(int col);
    void OnPopupMenu(const QPoint& globalPos);
    void ApplyControls();
    void ShowCarriageInBox();
    void LayOut();

    Workbench& bench_;
    TapeScroller* scroller_;
    PerMachine<TapeGridWidget*> grids_{};
    TapeRulerWidget* ruler_;
    QLineEdit* goToBox_;
    QToolButton* scrollLeftButton_ = nullptr;
    QToolButton* scrollRightButton_ = nullptr;
    QToolButton* leftBoundButton_ = nullptr;
    QToolButton* rightBoundButton_ = nullptr;
    SymbolPopup* symbolPopup_;
    qreal zoom_ = 1;
    QPointer<QMenu> popupMenu_;
    MachineKind shownKind_ = MachineKind::Post;
    int shownCarriage_ = 0;
    // Set while the go-to box's own text moves the carriage, so that the
    // move does not write over what the student is typing.
    bool followingBox_ = false;
};
