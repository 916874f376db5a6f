#include "window/main/KeyboardAccess.h"
#include "core/text/Language.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "window/diagram/DiagramCanvas.h"
#include "window/diagram/DiagramPanel.h"
#include "window/main/AccessibleFactory.h"
#include "window/main/MainWindow.h"
#include "window/main/StatusBarPanel.h"
#include "window/post/PostTableView.h"
#include "window/tape/TapeGridWidget.h"
#include "window/tape/TapePanel.h"
#include "window/turing/TuringAlphabetPanel.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

namespace {

void Name(QWidget* widget, const QString& name, const QString& description = QString()) {
    widget->setAccessibleName(name);
    if (!description.isEmpty()) {
        widget->setAccessibleDescription(description);
    }
}

}  // namespace

namespace KeyboardAccess {

void Apply(MainWindow& window) {
    AccessibleFactory::Install();

    const char* panels[Workbench::StatusPanelCount] = {
        QT_TRANSLATE_NOOP("KeyboardAccess", "Сообщение"),
        QT_TRANSLATE_NOOP("KeyboardAccess", "Шаг"),
        QT_TRANSLATE_NOOP("KeyboardAccess", "Левая граница занятых ячеек"),
        QT_TRANSLATE_NOOP("KeyboardAccess", "Правая граница занятых ячеек"),
        QT_TRANSLATE_NOOP("KeyboardAccess", "Изменения документа"),
    };
    for (int i = 0; i < Workbench::StatusPanelCount; ++i) {
        window.StatusPanel(i)->setAccessibleDescription(Tr("KeyboardAccess", panels[i]));
    }

    QPlainTextEdit* postStatement = window.Statement(MachineKind::Post);
    QPlainTextEdit* turingStatement = window.Statement(MachineKind::Turing);
    QPlainTextEdit* comments = window.TuringPanel()->Comments();
    Name(postStatement, Tr("KeyboardAccess", "Условие задачи машины Поста"));
    Name(turingStatement, Tr("KeyboardAccess", "Условие задачи машины Тьюринга"));
    Name(comments, Tr("KeyboardAccess", "Комментарии к программе"));
    for (QPlainTextEdit* memo : {postStatement, turingStatement, comments}) {
        memo->setTabChangesFocus(true);
    }

    TapePanel* tape = window.Tape();
    TapeGridWidget* postTape = tape->Grid(MachineKind::Post);
    TapeGridWidget* turingTape = tape->Grid(MachineKind::Turing);
    Name(postTape, Tr("KeyboardAccess", "Лента машины Поста"));
    Name(turingTape, Tr("KeyboardAccess", "Лента машины Тьюринга"));
    Name(tape->GoToBox(), Tr("KeyboardAccess", "Перейти к ячейке"));
    Name(tape->ScrollLeftButton(), Tr("KeyboardAccess", "Лента влево"));
    Name(tape->ScrollRightButton(), Tr("KeyboardAccess", "Лента вправо"));
    Name(tape->LeftBoundButton(), Tr("KeyboardAccess", "К левой границе занятых ячеек"));
    Name(tape->RightBoundButton(), Tr("KeyboardAccess", "К правой границе занятых ячеек"));
    Name(window.Alphabet()->Editor(), Tr("KeyboardAccess", "Внешний алфавит"));
    Name(window.PostTable(), Tr("KeyboardAccess", "Таблица машины Поста"),
         Tr("KeyboardAccess", "Стрелки выбирают ячейку, Enter открывает выбор команды или правку"));
    Name(window.TuringPanel()->Table(), Tr("KeyboardAccess", "Таблица машины Тьюринга"),
         Tr("KeyboardAccess",
            "Стрелки выбирают ячейку, F2 или ввод символа открывает правку, Enter проверяет "
            "команду"));
    DiagramCanvas* diagram = window.Diagram()->Canvas();
    diagram->setAccessibleDescription(
        Tr("KeyboardAccess", "Стрелки выбирают вершину, Enter выделяет её в таблице"));

    // Hidden widgets are skipped, so one chain serves both machines.
    QWidget* order[] = {postStatement,      turingStatement,
                        postTape,           turingTape,
                        tape->GoToBox(),    window.Alphabet()->Editor(),
                        window.PostTable(), window.TuringPanel()->Table(),
                        comments,           diagram};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace KeyboardAccess
