// The view toggles and the hint display: each toggle hides and shows its
// region with its item's check mark and hint, regions come back in their
// own places, and every hint of the window reaches status panel 0 as two
// spaces and the hint's long part, without covering the five panels.

#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include "ShellFixture.h"
#include "core/workbench/Workbench.h"
#include "window/dialogs/MessageDialog.h"
#include "window/main/MainMenu.h"
#include "window/main/ToolButton.h"
#include "window/main/ViewToggles.h"

namespace {

using View = ViewToggles::View;

// Regions as the window lays them out below the toolbar: statement, tape,
// alphabet, table.
struct Regions {
    QWidget* statement;
    QWidget* tape;
    QWidget* alphabet;
};

Regions LayOutRegions(MainWindow& form) {
    auto* central = new QWidget(&form);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    Regions r{new QWidget(central), new QWidget(central), new QWidget(central)};
    r.statement->setFixedHeight(34);
    r.tape->setFixedHeight(85);
    r.alphabet->setFixedHeight(34);
    column->addWidget(r.statement);
    column->addWidget(r.tape);
    column->addWidget(r.alphabet);
    column->addWidget(new QWidget(central), 1);
    form.setCentralWidget(central);
    ViewToggles& views = form.Bars().Views();
    views.SetRegion(View::Statement, r.statement);
    views.SetRegion(View::Alphabet, r.alphabet);
    return r;
}

int TopInWindow(QWidget* w) {
    return w->mapTo(w->window(), QPoint(0, 0)).y();
}

void Settle(MainWindow& form) {
    QCoreApplication::processEvents();
    form.layout()->activate();
    if (form.centralWidget() && form.centralWidget()->layout()) {
        form.centralWidget()->layout()->activate();
    }
}

}  // namespace

class TestViewsAndHints : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void togglesHideAndShow_data();
    void togglesHideAndShow();
    void regionsReturnToTheirPlaces();
    void alphabetRecordsWhetherItWasVisible();
    void hintDisplay_data();
    void hintDisplay();
    void hoverShowsTooltipAndStatusHint();
    void highlightedMenuItemShowsItsHint();
    void statusBarHintAndPopup();
    void diagramStaysOnTheScreen_data();
    void diagramStaysOnTheScreen();
};

void TestViewsAndHints::togglesHideAndShow_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("hide");  // the pop-up item that hides it
    QTest::addColumn<QString>("showHint");
    QTest::addColumn<QString>("hideHint");
    QTest::newRow("toolbar") << int(View::ToolBar) << "mmViewToolBar"
                             << "pmToolBarHide"
                             << "Показать панель инструментов"
                             << "Скрыть панель инструментов";
    QTest::newRow("statement") << int(View::Statement) << "mmViewUslovie"
                               << "pmUslovieHide"
                               << "Показать условие задачи"
                               << "Скрыть условие задачи";
    QTest::newRow("alphabet") << int(View::Alphabet) << "mmViewAlf"
                              << "pmAlfHide"
                              << "Показать алфавит"
                              << "Скрыть алфавит";
    QTest::newRow("status bar") << int(View::StatusBar) << "mmViewSost"
                                << "pmSostHide"
                                << "Показать строку состояния"
                                << "Скрыть строку состояния";
}

void TestViewsAndHints::togglesHideAndShow() {
    QFETCH(int, view);
    QFETCH(QString, item);
    QFETCH(QString, hide);
    QFETCH(QString, showHint);
    QFETCH(QString, hideHint);
    auto form = ShownForm();
    LayOutRegions(*form);
    ViewToggles& views = form->Bars().Views();
    QAction* action = Item(*form, item);
    QWidget* region = views.Region(View(view));
    QVERIFY(region);
    if (View(view) == View::Alphabet) {
        // Hidden until the Turing machine is entered.
        QVERIFY(region->isHidden());
        QVERIFY(!action->isChecked());
        action->trigger();
    }
    QVERIFY(!region->isHidden());
    QVERIFY(action->isChecked());
    QSignalSpy toggled(&views, &ViewToggles::Toggled);

    Item(*form, hide)->trigger();
    QVERIFY(region->isHidden());
    QVERIFY(!action->isChecked());
    QCOMPARE(action->statusTip(), showHint);
    QVERIFY(!views.IsShown(View(view)));

    action->trigger();
    QVERIFY(!region->isHidden());
    QVERIFY(action->isChecked());
    QCOMPARE(action->statusTip(), hideHint);
    QVERIFY(views.IsShown(View(view)));
    QCOMPARE(toggled.count(), 2);
}

void TestViewsAndHints::regionsReturnToTheirPlaces() {
    auto form = ShownForm();
    const Regions r = LayOutRegions(*form);
    MainMenu& menu = form->Bars().Menu();
    QWidget* toolBar = &form->Bars().ToolBar();
    menu.viewAlphabetAction->trigger();
    Settle(*form);
    const int toolBarTop = TopInWindow(toolBar);
    QCOMPARE(TopInWindow(r.statement), toolBarTop + 30);

    // The toolbar hidden by its own pop-up and shown again through "Вид"
    // is back at the top, above the statement.
    menu.toolBarHideAction->trigger();
    Settle(*form);
    QCOMPARE(TopInWindow(r.statement), toolBarTop);
    menu.viewToolBarAction->trigger();
    Settle(*form);
    QCOMPARE(TopInWindow(toolBar), toolBarTop);
    QCOMPARE(TopInWindow(r.statement), toolBarTop + 30);

    // The statement comes back directly below the toolbar, above the tape;
    // meanwhile the alphabet stays directly below the tape.
    menu.viewStatementAction->trigger();
    Settle(*form);
    QCOMPARE(TopInWindow(r.tape), toolBarTop + 30);
    QCOMPARE(TopInWindow(r.alphabet), TopInWindow(r.tape) + 85);
    menu.viewStatementAction->trigger();
    Settle(*form);
    QCOMPARE(TopInWindow(r.statement), toolBarTop + 30);
    QCOMPARE(TopInWindow(r.tape), toolBarTop + 30 + 34);
    QCOMPARE(TopInWindow(r.alphabet), TopInWindow(r.tape) + 85);
}

void TestViewsAndHints::alphabetRecordsWhetherItWasVisible() {
    auto form = ShownForm();
    ViewToggles& views = form->Bars().Views();
    QVERIFY(views.AlphabetWasVisible());
    views.Toggle(View::Alphabet);
    QVERIFY(views.AlphabetWasVisible());
    form->Bars().Menu().alphabetHideAction->trigger();
    QVERIFY(!views.AlphabetWasVisible());
    // Other toggles leave it alone.
    views.Toggle(View::Statement);
    views.Toggle(View::StatusBar);
    QVERIFY(!views.AlphabetWasVisible());
    views.SetAlphabetWasVisible(true);
    QVERIFY(views.AlphabetWasVisible());
}

void TestViewsAndHints::hintDisplay_data() {
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("panel");
    QTest::newRow("short and long") << "Новый|Создает машину Поста"
                                    << "  Создает машину Поста";
    QTest::newRow("long only") << "|Панель инструментов. Её можно спрятать"
                               << "  Панель инструментов. Её можно спрятать";
    QTest::newRow("no bar") << "Таблица машины Поста. Сюда вписывается алгоритм."
                            << "  Таблица машины Поста. Сюда вписывается алгоритм.";
    QTest::newRow("second bar stays") << "a|b|c"
                                      << "  b|c";
    QTest::newRow("short only") << "Пауза|"
                                << "  ";
    QTest::newRow("empty") << ""
                           << "  ";
}

void TestViewsAndHints::hintDisplay() {
    QFETCH(QString, tip);
    QFETCH(QString, panel);
    auto form = ShownForm();
    form->Bench().SetStatusText(Workbench::PanelMessage, QStringLiteral("Программа завершена!"));
    // From a control deep in the window, and from the message dialog,
    // which hands its buttons' hints to the window.
    for (QWidget* from : {static_cast<QWidget*>(form->Bars().ToolBar().Button(3)),
                          static_cast<QWidget*>(form->Messages())}) {
        form->Bench().SetStatusText(Workbench::PanelMessage, QStringLiteral("x"));
        QStatusTipEvent event(tip);
        QCoreApplication::sendEvent(from, &event);
        QCOMPARE(form->Bench().StatusText(Workbench::PanelMessage), panel);
        QCOMPARE(form->StatusPanel(0)->Text(), panel);
        QCOMPARE(form->statusBar()->currentMessage(), QString());
        for (int i = 0; i < Workbench::StatusPanelCount; ++i) {
            QVERIFY(form->StatusPanel(i)->isVisible());
        }
    }
}

void TestViewsAndHints::hoverShowsTooltipAndStatusHint() {
    auto form = ShownForm();
    ToolButton* button = form->Bars().ToolBar().Button(1);
    QTest::mouseMove(form.get(), QPoint(400, 300));
    QTest::mouseMove(button, button->rect().center());
    QTRY_COMPARE(form->StatusPanel(0)->Text(), QStringLiteral("  Создает машину Поста"));
    QCOMPARE(button->toolTip(), QStringLiteral("Новый"));
    // Straight from the button onto the bar's empty part: the bar's hint.
    MainToolBar& bar = form->Bars().ToolBar();
    QTest::mouseMove(&bar, QPoint(bar.width() - 20, bar.height() / 2));
    QTRY_COMPARE(form->StatusPanel(0)->Text(),
                 QStringLiteral("  Панель инструментов. Её можно спрятать"));
    QTest::mouseMove(button, button->rect().center());
    // A disabled button's hint shows too.
    ToolButton* restore = form->Bars().ToolBar().Button(5);
    QTest::mouseMove(restore, restore->rect().center());
    QTRY_COMPARE(form->StatusPanel(0)->Text(), QStringLiteral("  Восстановить запомненную ленту"));
    for (int i = 0; i < Workbench::StatusPanelCount; ++i) {
        QVERIFY(form->StatusPanel(i)->isVisible());
    }

    // The memorised tape's picture stands under the restore button's name.
    form->Bars().SetRestoreHint(QStringLiteral("vVov"));
    QCOMPARE(restore->toolTip(), QStringLiteral("Восстановить ленту\nvVov"));
    QTest::mouseMove(button, button->rect().center());
    QTest::mouseMove(restore, restore->rect().center());
    QTRY_COMPARE(form->StatusPanel(0)->Text(), QStringLiteral("  Восстановить ленту vVov"));
}

void TestViewsAndHints::highlightedMenuItemShowsItsHint() {
    auto form = ShownForm();
    MainMenu& menu = form->Bars().Menu();
    menu.fileMenu->popup(form->mapToGlobal(QPoint(0, 20)));
    QTRY_VERIFY(menu.fileMenu->isVisible());
    menu.fileMenu->setActiveAction(menu.openAction);
    QTRY_COMPARE(form->StatusPanel(0)->Text(),
                 QStringLiteral("  Загрузить файл машины Поста с диска"));
    menu.fileMenu->setActiveAction(menu.exitAction);
    QTRY_COMPARE(form->StatusPanel(0)->Text(), QStringLiteral("  Выйти из программы Zebrin42"));
    menu.fileMenu->hide();
    QCOMPARE(form->statusBar()->currentMessage(), QString());
}

void TestViewsAndHints::statusBarHintAndPopup() {
    auto form = ShownForm();
    QStatusBar* bar = form->statusBar();
    QCOMPARE(bar->statusTip(), QStringLiteral("Строка состояния.  Ее можно спрятать"));
    QCOMPARE(bar->contextMenuPolicy(), Qt::CustomContextMenu);
    QMenu* popup = form->Bars().Menu().statusBarMenu;
    Q_EMIT bar->customContextMenuRequested(QPoint(5, 5));
    QTRY_VERIFY(popup->isVisible());
    popup->hide();

    // A right click on a toolbar button opens the toolbar's pop-up.
    QMenu* toolBarPopup = form->Bars().Menu().toolBarMenu;
    ToolButton* button = form->Bars().ToolBar().Button(1);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                            button->mapToGlobal(QPoint(3, 3)));
    QCoreApplication::sendEvent(button, &click);
    QTRY_VERIFY(toolBarPopup->isVisible());
    toolBarPopup->hide();

    QTest::mouseMove(form.get(), QPoint(400, 300));
    QTest::mouseMove(bar, QPoint(bar->width() - 30, bar->height() / 2));
    QTRY_COMPARE(form->StatusPanel(0)->Text(),
                 QStringLiteral("  Строка состояния.  Ее можно спрятать"));
}

// Showing the diagram widens the window by the panel but never past the
// screen's available area: the table side gives way first, the panel only
// down to its own minimum; closing it, by the item or by the panel's own
// button, gives the window back its size.
void TestViewsAndHints::diagramStaysOnTheScreen_data() {
    QTest::addColumn<bool>("wide");  // the window as wide as the screen
    QTest::addColumn<bool>("ownButton");
    QTest::newRow("narrow window at the right edge") << false << false;
    QTest::newRow("as wide as the screen") << true << false;
    QTest::newRow("closed by its own button") << true << true;
}

void TestViewsAndHints::diagramStaysOnTheScreen() {
    QFETCH(bool, wide);
    QFETCH(bool, ownButton);
    MainWindow form;
    const QRect area = form.screen()->availableGeometry();
    form.resize(wide ? area.width() : form.minimumWidth(), form.minimumHeight());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.move(area.right() - form.frameGeometry().width() + 1, area.top());
    Settle(form);
    const QRect before = form.geometry();
    form.Bars().Menu().viewDiagramAction->trigger();
    QVERIFY(form.DiagramDock()->isVisible());
    Settle(form);
    QVERIFY(form.frameGeometry().left() >= area.left());
    QVERIFY(form.frameGeometry().right() <= area.right());
    QVERIFY(form.width() > before.width() || wide);
    QVERIFY(form.centralWidget()->width() >= form.minimumWidth() ||
            form.DiagramDock()->width() <= form.DiagramDock()->minimumSizeHint().width());
    if (ownButton) {
        form.DiagramDock()->close();
    } else {
        form.Bars().Menu().viewDiagramAction->trigger();
    }
    Settle(form);
    QVERIFY(!form.Bars().Menu().viewDiagramAction->isChecked());
    QCOMPARE(form.geometry(), before);
}

QTEST_MAIN(TestViewsAndHints)
#include "test_views_and_hints.moc"
