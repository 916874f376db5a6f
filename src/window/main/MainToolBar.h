#pragma once
// The toolbar `ToolBar`: a 30-pixel silver panel with a raised inner and a
// lowered outer bevel, twelve ToolButton buttons laid out by groups, the
// separators `Bevel1` to `Bevel4` and the hover frames `bv` (around one
// 24 x 22 button) and `Bv2` (around the 12 x 22 button 12). It owns the
// buttons' pictures, enabled states, hints and hover logic; a click of an
// enabled button is reported as ButtonClicked(n) and the owner runs the
// command of the button's menu item. Buttons 10 and 11 share one place.
// Its pictures are drawn for the device pixel ratio it is shown at and
// drawn again when that changes; each ratio's set is kept once drawn.

#include <QToolBar>
#include <array>
#include <memory>
#include <vector>

#include "window/main/ToolPictures.h"

class QMenu;
class Bevel;
class ToolButton;

class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 12;
    static constexpr int Height = 30;
    static constexpr int SymbolButton = 11;
    static constexpr int ChangeButton = 12;

    explicit MainToolBar(QWidget* parent = nullptr);
    ~MainToolBar() override;

    // The tooltip of button n (1 to 12), the part before "|" of its hint.
    static QString ShortName(int n);

    ToolButton* Button(int n) const;
    Bevel* HoverFrame() const { return bv_; }    // bv
    Bevel* HoverFrame2() const { return bv2_; }  // Bv2
    Bevel* Separator(int n) const;               // Bevel1 to Bevel4

    // Enabled state and picture of button n; button 11 keeps its drawn
    // picture. Numbers outside 1 to 12 are ignored.
    void SetButtonEnabled(int n, bool on);
    bool IsButtonEnabled(int n) const;
    void SetButtonVisible(int n, bool on);
    void SetButtonHint(int n, const QString& hint);
    // Button 11's picture: the current tape symbol, or "нет" when there is
    // none (an empty text or "нет").
    void DrawSymbolButton(const QString& symbol);

    // The pop-up menu the toolbar opens on a right click (`toolBarMenu`).
    void SetPopup(QMenu* menu) { popup_ = menu; }

Q_SIGNALS:
    void ButtonClicked(int n);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void LayOut();
    void FollowRatio();
    void ShowFrame(Bevel* frame, int n);
    void HideFrames();
    void OnEntered(int n);
    void OnLeft(int n);
    void OnPressed(int n);
    void OnReleased(int n);

    std::vector<std::unique_ptr<ToolPictures>> drawn_;  // one set per ratio
    const ToolPictures* pictures_ = nullptr;            // the set shown
    QString symbol_;                                    // button 11's symbol
    std::array<ToolButton*, ButtonCount + 1> buttons_{};
    std::array<Bevel*, 5> separators_{};
    Bevel* bv_ = nullptr;
    Bevel* bv2_ = nullptr;
    QMenu* popup_ = nullptr;
};
