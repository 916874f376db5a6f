#pragma once
// The four view toggles of the "&Вид" menu: toolbar, task statement,
// alphabet and status bar. Each shows or hides its region widget and sets
// its menu item's check mark and hint to match ("Скрыть ..." while shown,
// "Показать ..." while hidden). The regions are widgets the owner hands in;
// in a layout a hidden region takes no space and a shown one comes back in
// its own place. The alphabet toggle records AlphabetWasVisible, which the
// interpreter switch reads.

#include <QObject>
#include <array>

class QAction;
class QWidget;

class ViewToggles : public QObject {
    Q_OBJECT
public:
    enum class View { ToolBar = 0, Statement = 1, Alphabet = 2, StatusBar = 3 };
    static constexpr int ViewCount = 4;

    // The items are the "&Вид" items in View order. Every view starts in
    // the state of its item's check mark.
    ViewToggles(const std::array<QAction*, ViewCount>& items, QObject* parent);

    // The widget a view shows and hides; it takes the view's current state.
    void SetRegion(View view, QWidget* region);
    QWidget* Region(View view) const { return regions_[Index(view)]; }

    bool IsShown(View view) const { return shown_[Index(view)]; }
    void Toggle(View view);

    bool AlphabetWasVisible() const { return alphabetWasVisible_; }
    void SetAlphabetWasVisible(bool on) { alphabetWasVisible_ = on; }

Q_SIGNALS:
    // After the region is shown or hidden: the owner lets the program table
    // panel's contents take its new height.
    void Toggled(ViewToggles::View view, bool shown);

private:
    static std::size_t Index(View view) { return std::size_t(view); }

    std::array<QAction*, ViewCount> items_;
    std::array<QWidget*, ViewCount> regions_{};
    std::array<bool, ViewCount> shown_{};
    bool alphabetWasVisible_ = true;
};
