#pragma once
// The "Примеры" submenu of "Файл": the example documents installed beside
// the program (share/zebrin42/examples), or, when the program runs from its
// build folder, those of the source tree; Post and Turing in two groups,
// each example by its task's title (the first line of its statement below
// the heading "Условие задачи:").

#include <QString>
#include <QVector>

class QMenu;

struct ExampleEntry {
    QString path;
    QString title;
    bool post = true;
};

namespace ExampleMenu {

// The folder the examples are found in, or empty.
QString Folder();
// The examples there, Post first, each group by file name.
QVector<ExampleEntry> Find(const QString& folder);
// Fills `menu` with one item per example; `open` gets the chosen path.
template <typename Open>
void Fill(QMenu& menu, const QVector<ExampleEntry>& examples, Open open);

}  // namespace ExampleMenu

#include <QAction>
#include <QMenu>

template <typename Open>
void ExampleMenu::Fill(QMenu& menu, const QVector<ExampleEntry>& examples, Open open) {
    menu.clear();
    for (bool post : {true, false}) {
        menu.addSection(post ? QStringLiteral("Машина Поста") : QStringLiteral("Машина Тьюринга"));
        for (const ExampleEntry& entry : examples) {
            if (entry.post == post) {
                QAction* item = menu.addAction(entry.title);
                item->setStatusTip(QStringLiteral("Открыть пример без имени: ") + entry.title);
                QObject::connect(item, &QAction::triggered, &menu,
                                 [open, path = entry.path] { open(path); });
            }
        }
    }
    menu.setEnabled(!examples.isEmpty());
}
