#include "window/main/ViewToggles.h"
#include "core/text/Language.h"

#include <QAction>
#include <QWidget>

namespace {

struct Hints {
    const char* toShow;  // while hidden
    const char* toHide;  // while shown
};
constexpr std::array<Hints, ViewToggles::ViewCount> kHints = {{
    {QT_TRANSLATE_NOOP("ViewToggles", "Показать панель инструментов"),
     QT_TRANSLATE_NOOP("ViewToggles", "Скрыть панель инструментов")},
    {QT_TRANSLATE_NOOP("ViewToggles", "Показать условие задачи"),
     QT_TRANSLATE_NOOP("ViewToggles", "Скрыть условие задачи")},
    {QT_TRANSLATE_NOOP("ViewToggles", "Показать алфавит"),
     QT_TRANSLATE_NOOP("ViewToggles", "Скрыть алфавит")},
    {QT_TRANSLATE_NOOP("ViewToggles", "Показать строку состояния"),
     QT_TRANSLATE_NOOP("ViewToggles", "Скрыть строку состояния")},
}};

}  // namespace

ViewToggles::ViewToggles(const std::array<QAction*, ViewCount>& items, QObject* parent)
    : QObject(parent), items_(items) {
    for (int v = 0; v < ViewCount; ++v) {
        QAction* item = items_[std::size_t(v)];
        shown_[std::size_t(v)] = item->isChecked();
        connect(item, &QAction::triggered, this, [this, v] { Toggle(View(v)); });
    }
}

void ViewToggles::SetRegion(View view, QWidget* region) {
    regions_[Index(view)] = region;
    if (region) {
        region->setVisible(shown_[Index(view)]);
    }
}

void ViewToggles::Toggle(View view) {
    const std::size_t v = Index(view);
    const bool show = !shown_[v];
    shown_[v] = show;
    // The item is checkable, so a click has already flipped its mark; set
    // it from the state, which also covers a toggle from elsewhere.
    items_[v]->setChecked(show);
    items_[v]->setStatusTip(Tr("ViewToggles", show ? kHints[v].toHide : kHints[v].toShow));
    if (regions_[v]) {
        regions_[v]->setVisible(show);
    }
    if (view == View::Alphabet) {
        alphabetWasVisible_ = show;
    }
    Q_EMIT Toggled(view, show);
}
