#pragma once
// The "Примеры" submenu of "Файл": the example documents installed beside
// the program (share/zebrin42/examples), or, when the program runs from its
// build folder, those of the source tree; Post and Turing in two groups,
// each example by its task's title (the first line of its statement below
// the heading "Условие задачи:").

#include <QString>
#include <QVector>
#include <functional>

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
void Fill(QMenu& menu, const QVector<ExampleEntry>& examples,
          const std::function<void(const QString&)>& open);

}  // namespace ExampleMenu
