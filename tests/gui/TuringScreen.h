#pragma once
// The Turing machine's panels in a window of their own, over a fresh
// Workbench with a ScriptedUi, for the GUI tests: the alphabet panel above
// the table panel, as the main window stacks them. Typing helpers send one
// key event per character, so Cyrillic text and characters outside the code
// page reach the widgets as a keyboard would bring them.

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "core/port/ScriptedUi.h"
#include "core/run/RunController.h"
#include "core/workbench/Workbench.h"
#include "window/turing/TuringAlphabetPanel.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

struct TuringScreen {
    ScriptedUi ui;
    Workbench bench{ui};
    TuringMachine& turing = bench.Turing();
    TuringTable& table = bench.Turing().table;
    QWidget window;
    TuringAlphabetPanel* alphabet = nullptr;
    TuringTablePanel* panel = nullptr;
    // Something outside the Turing panels to take the focus.
    QLineEdit* elsewhere = nullptr;

    explicit TuringScreen(int width = 780, int height = 420) {
        bench.SetKind(MachineKind::Turing);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        elsewhere = new QLineEdit(&window);
        alphabet = new TuringAlphabetPanel(bench, &window);
        panel = new TuringTablePanel(bench, &window);
        layout->addWidget(elsewhere);
        layout->addWidget(alphabet);
        layout->addWidget(panel, 1);
        window.resize(width, height);
    }

    TuringTableView& view() const { return *panel->Table(); }

    bool Show() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // An alphabet as if typed and confirmed in the editor.
    void SetAlphabet(const QString& text) {
        turing.EditAlphabetText(text);
        turing.RebuildAlphabet();
    }

    QImage Picture() const { return view().viewport()->grab().toImage(); }
    QColor PixelInCell(int col, int row, int x, int y) const {
        const QRect rect = view().CellRect(col, row);
        return Picture().pixelColor(rect.left() + x, rect.top() + y);
    }
};

inline void TypeText(QWidget* target, const QString& text) {
    for (QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(ch.toUpper().unicode()), QString(ch),
                            Qt::NoModifier);
    }
}
