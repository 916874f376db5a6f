#pragma once
// The toolbar `ToolBar`: a 30-pixel silver panel with a raised inner and a
// lowered outer bevel, twelve ToolButton buttons laid out by groups, the
// separators `Bevel1` to `Bevel4` and the hover frames `bv` (around one
// 24 x 22 button) and `Bv2` (around the narrow change-symbol button). Each
// button shows a menu item's action, so its enabled state, visibility and
// command are the item's; the toolbar owns the buttons' places, pictures,
// hints and hover logic. The mark button and the symbol button share one
// place (one is shown for each machine).
// Its pictures are drawn for the device pixel ratio it is shown at and
// drawn again when that changes; each ratio's set is kept once drawn.

#include <QToolBar>
#include <array>
#include <memory>
#include <vector>

#include "window/main/ToolPictures.h"

class QAction;
class QMenu;
class Bevel;
class MainMenu;
class ToolButton;

class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 12;
    static constexpr int Height = 30;
    static constexpr int SymbolButton = 11;
    static constexpr int ChangeButton = 12;

    // The buttons show the menu's new, open, save, memorise and restore,
    // run, pause, step and break, mark, write symbol and change symbol
    // items, in that order.
    MainToolBar(const MainMenu& menu, QWidget* parent);
    ~MainToolBar() override;

    // The tooltip of button n (1 to 12), the part before "|" of its hint.
    static QString ShortName(int n);

    // The button at place n (1 to 12, left to right).
    ToolButton* Button(int n) const;
    ToolButton* SymbolButtonWidget() const { return buttons_[SymbolButton]; }
    Bevel* HoverFrame() const { return bv_; }    // bv
    Bevel* HoverFrame2() const { return bv2_; }  // Bv2
    Bevel* Separator(int n) const;               // Bevel1 to Bevel4

    // The hint of the button at place n: its short name, "|" and the
    // hint of its menu item unless set otherwise.
    void SetButtonHint(int n, const QString& hint);
    // The symbol button's picture: the current tape symbol, or "нет" when
    // there is none (an empty text or "нет"); switched off, it keeps it.
    void DrawSymbolButton(const QString& symbol);

    // The pop-up menu the toolbar opens on a right click (`toolBarMenu`).
    void SetPopup(QMenu* menu) { popup_ = menu; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void LayOut();
    void FollowRatio();
    bool IsButtonEnabled(int n) const;
    void ShowFrame(Bevel* frame, int n);
    void HideFrames();
    void HideFramesAt(int n);
    void OnEntered(int n);
    void OnLeft(int n);
    void OnPressed(int n);
    void OnReleased(int n);

    std::vector<std::unique_ptr<ToolPictures>> drawn_;  // one set per ratio
    const ToolPictures* pictures_ = nullptr;            // the set shown
    QString symbol_;                                    // the symbol button's
    std::array<ToolButton*, ButtonCount + 1> buttons_{};
    std::array<Bevel*, 5> separators_{};
    Bevel* bv_ = nullptr;
    Bevel* bv2_ = nullptr;
    QMenu* popup_ = nullptr;
};
