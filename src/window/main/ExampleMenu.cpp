#include "window/main/ExampleMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>

#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"

namespace ExampleMenu {

QString Folder() {
    const QString app = QCoreApplication::applicationDirPath();
    const QString installed = QDir(app).filePath(QStringLiteral("../share/zebrin42/examples"));
    if (QDir(installed).exists()) {
        return QDir(installed).canonicalPath();
    }
    // From the build folder the source tree's examples are the ones built.
    if (QDir(app).canonicalPath().startsWith(
            QDir(QStringLiteral(ZEBRIN_BINARY_DIR)).canonicalPath())) {
        return QStringLiteral(ZEBRIN_SOURCE_EXAMPLES);
    }
    return {};
}

QVector<ExampleEntry> Find(const QString& folder) {
    QVector<ExampleEntry> examples;
    if (folder.isEmpty()) {
        return examples;
    }
    const QDir dir(folder);
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    for (bool post : {true, false}) {
        const QStringList names = dir.entryList(
            {post ? QStringLiteral("*.pst") : QStringLiteral("*.tur")}, QDir::Files, QDir::Name);
        for (const QString& name : names) {
            const QString path = dir.filePath(name);
            const bool read = post ? ReadPostFile(bench, path) : ReadTuringFile(bench, path);
            if (!read) {
                continue;
            }
            const Machine& machine =
                post ? static_cast<Machine&>(bench.Post()) : static_cast<Machine&>(bench.Turing());
            // The title is the statement's first line below its heading.
            QString title = name;
            for (const QString& line : machine.Statement().split(u'\n')) {
                const QString text = line.trimmed();
                if (!text.isEmpty() && text != Machine::StartStatement()) {
                    title = text;
                    break;
                }
            }
            examples.append({path, title, post});
        }
    }
    return examples;
}

void Fill(QMenu& menu, const QVector<ExampleEntry>& examples,
          const std::function<void(const QString&)>& open) {
    menu.clear();
    for (bool post : {true, false}) {
        menu.addSection(post ? Tr("ExampleMenu", "Машина Поста")
                             : Tr("ExampleMenu", "Машина Тьюринга"));
        for (const ExampleEntry& entry : examples) {
            if (entry.post == post) {
                QAction* item = menu.addAction(entry.title);
                item->setStatusTip(Tr("ExampleMenu", "Открыть пример без имени: ") + entry.title);
                QObject::connect(item, &QAction::triggered, &menu,
                                 [open, path = entry.path] { open(path); });
            }
        }
    }
    menu.setEnabled(!examples.isEmpty());
}

}  // namespace ExampleMenu
