#pragma once
// Shared steps of the toolbar, menu and view tests: a shown and active main
// window, its command surfaces, and an item cut off from the commands the
// window connects, so that a test counts its triggers without running them.

#include <QAction>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainToolBar.h"
#include "window/main/MainWindow.h"
#include "window/main/StatusBarPanel.h"

inline std::unique_ptr<MainWindow> ShownForm() {
    auto form = std::make_unique<MainWindow>();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) {
        qWarning("main window did not become active");
    }
    return form;
}

inline QAction* Item(MainWindow& form, const QString& name) {
    return form.Bars().Menu().Action(name);
}

// A spy on the item's triggers with every other receiver disconnected.
inline std::unique_ptr<QSignalSpy> Isolated(QAction* action) {
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    return std::make_unique<QSignalSpy>(action, &QAction::triggered);
}

inline bool IsGrey(QRgb pixel) {
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}
