// The toolbar as the user meets it: where its buttons stand, what their
// hints say, their pictures enabled and disabled, the symbol button's drawn
// face, the pictures drawn for a scaled screen, hover frames, the pressed
// look and the click, and how the run controller's states and the machine
// switch reach buttons and menus.

#include <QMenu>
#include <QToolTip>

#include "ShellFixture.h"
#include "core/run/RunController.h"
#include "window/main/Bevel.h"
#include "window/main/ToolButton.h"
#include "window/main/ToolPictures.h"

namespace {

// A picture by name ("3", "3 off", "change", "symbol") as drawn for `ratio`.
QImage ToolPicture(const QString& name, qreal ratio) {
    const ToolPictures pictures(ratio);
    const bool off = name.endsWith(u" off");
    const QString base = off ? name.chopped(4) : name;
    const QPixmap picture = base == u"change" ? pictures.SymbolChange(!off)
                            : base == u"symbol"
                                ? ToolPictures::SymbolPicture(QStringLiteral("Ж"), QFont(), ratio)
                            : off ? pictures.Disabled(base.toInt())
                                  : pictures.Enabled(base.toInt());
    return picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Switches the action that the button at place n shows; a hidden action
// cannot be switched on, so it is shown first.
void SetButtonEnabled(MainToolBar& bar, int n, bool on) {
    QAction* action = bar.Button(n)->defaultAction();
    action->setVisible(true);
    action->setEnabled(on);
}

}  // namespace

class TestToolBar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonsStandByGroups_data();
    void buttonsStandByGroups();
    void panelAndSeparators();
    void pictureFollowsEnabledState_data();
    void pictureFollowsEnabledState();
    void symbolButtonShowsCurrentSymbol_data();
    void symbolButtonShowsCurrentSymbol();
    void picturesAreDrawnForTheRatio_data();
    void picturesAreDrawnForTheRatio();
    void hoverFrames_data();
    void hoverFrames();
    void pressedLookAndClick();
    void disabledButtonIgnoresClicks();
    void controlStatesReachMenus_data();
    void controlStatesReachMenus();
    void controlStatesReachButtons_data();
    void controlStatesReachButtons();
    void runAndBreakSwitchTheSurfaces();
    void machineVisibility_data();
    void machineVisibility();
};

void TestToolBar::buttonsStandByGroups_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("shown");

    QTest::newRow("1") << 1 << 8 << 24 << "Новый"
                       << "Создает машину Поста" << true << true;
    QTest::newRow("2") << 2 << 32 << 24 << "Открыть"
                       << "Загрузить файл машины Поста с диска" << true << true;
    QTest::newRow("3") << 3 << 56 << 24 << "Сохранить"
                       << "Записать файл машины Поста на диск" << true << true;
    QTest::newRow("4") << 4 << 95 << 24 << "Запомнить ленту"
                       << "Запомнить текущее состояние ленты" << true << true;
    QTest::newRow("5") << 5 << 119 << 24 << "Восстановить ленту"
                       << "Восстановить запомненную ленту" << false << true;
    QTest::newRow("6") << 6 << 158 << 24 << "Запустить"
                       << "Запустить алгоритм на исполнение" << true << true;
    QTest::newRow("7") << 7 << 182 << 24 << "Пауза"
                       << "Приостановить исполнение алгоритма" << false << true;
    QTest::newRow("8") << 8 << 206 << 24 << "Пошагово"
                       << "Выполнить очередной шаг алгоритма" << true << true;
    QTest::newRow("9") << 9 << 230 << 24 << "Прервать"
                       << "Прервать исполнение алгоритма" << false << true;
    QTest::newRow("10") << 10 << 269 << 24 << "Поставить / удалить метки "
                        << "Поставить/ удалить метки в выделенных ячейках ленты" << true << true;
    QTest::newRow("11") << 11 << 269 << 24 << "Отметить символ на ленте "
                        << "Записывает текущий символ внешнего алфавита в выделенные ячейки ленты"
                        << false << false;
    QTest::newRow("12") << 12 << 293 << 12 << "Изменить символ "
                        << "Изменить текущий символ внешнего алфавита" << false << false;
}

void TestToolBar::buttonsStandByGroups() {
    QFETCH(int, n);
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(QString, tooltip);
    QFETCH(QString, statusTip);
    QFETCH(bool, enabled);
    QFETCH(bool, shown);
    auto form = ShownForm();
    ToolButton* button = form->Bars().ToolBar().Button(n);
    QCOMPARE(button->geometry(), QRect(left, 4, width, 22));
    QCOMPARE(button->toolTip(), tooltip);
    QCOMPARE(button->statusTip(), statusTip);
    QCOMPARE(button->Hint(), tooltip + "|" + statusTip);
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->isVisible(), shown);
    // The button shows the menu item with that hint, and keeps its own
    // hint when the item changes.
    QAction* action = button->defaultAction();
    QVERIFY(form->Bars().Menu().TopMenuOf(action));
    QCOMPARE(action->statusTip(), statusTip);
    action->setEnabled(!action->isEnabled());
    action->setEnabled(!action->isEnabled());
    QCOMPARE(button->toolTip(), tooltip);
    QCOMPARE(button->statusTip(), statusTip);
}

void TestToolBar::panelAndSeparators() {
    auto form = ShownForm();
    MainToolBar& bar = form->Bars().ToolBar();
    QCOMPARE(bar.objectName(), QStringLiteral("ToolBar"));
    QCOMPARE(bar.height(), 30);
    QCOMPARE(bar.width(), form->width());
    QCOMPARE(bar.toolTip(), QString());
    QCOMPARE(bar.statusTip(), QStringLiteral("Панель инструментов. Её можно спрятать"));
    const int lefts[] = {86, 149, 311, 260};
    for (int s = 1; s <= 4; ++s) {
        Bevel* separator = bar.Separator(s);
        QCOMPARE(separator->objectName(), QStringLiteral("Bevel%1").arg(s));
        QCOMPARE(separator->geometry(), QRect(lefts[s - 1], 3, 2, 22));
        QVERIFY(separator->isVisible());
    }
    QVERIFY(!bar.HoverFrame()->isVisible());
    QVERIFY(!bar.HoverFrame2()->isVisible());
    QCOMPARE(bar.HoverFrame()->size(), QSize(24, 22));
    QCOMPARE(bar.HoverFrame2()->size(), QSize(13, 22));

    // Silver face, a light inner bevel inside a dark outer one.
    const QImage image = bar.grab().toImage();
    QCOMPARE(QColor(image.pixel(400, 15)), QColor(192, 192, 192));
    QCOMPARE(QColor(image.pixel(400, 0)), QColor(128, 128, 128));
    QCOMPARE(QColor(image.pixel(400, 1)), QColor(255, 255, 255));
}

void TestToolBar::pictureFollowsEnabledState_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("coloured");
    for (int n = 1; n <= 12; ++n) {
        if (n != 11) {
            QTest::addRow("%d", n) << n << (n != 12);
        }
    }
}

void TestToolBar::pictureFollowsEnabledState() {
    QFETCH(int, n);
    QFETCH(bool, coloured);
    auto form = ShownForm();
    ToolButton* button = form->Bars().ToolBar().Button(n);
    button->show();
    SetButtonEnabled(form->Bars().ToolBar(), n, true);
    const QImage on = button->grab().toImage();
    SetButtonEnabled(form->Bars().ToolBar(), n, false);
    QVERIFY(!button->isEnabled());
    const QImage off = button->grab().toImage();
    QVERIFY(on != off);

    bool anyColour = false;
    bool offGrey = true;
    for (int y = 0; y < on.height(); ++y) {
        for (int x = 0; x < on.width(); ++x) {
            const QColor c(on.pixel(x, y));
            anyColour = anyColour || (std::max({c.red(), c.green(), c.blue()}) -
                                      std::min({c.red(), c.green(), c.blue()})) > 24;
            offGrey = offGrey && IsGrey(off.pixel(x, y));
        }
    }
    QCOMPARE(anyColour, coloured);
    QVERIFY2(offGrey, "a disabled picture is drawn in greys only");

    SetButtonEnabled(form->Bars().ToolBar(), n, true);
    QCOMPARE(button->grab().toImage(), on);
}

void TestToolBar::symbolButtonShowsCurrentSymbol_data() {
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<int>("firstInk");  // leftmost column with black text
    QTest::newRow("none") << "нет" << 1;
    QTest::newRow("empty means none") << "" << 1;
    QTest::newRow("digit") << "1" << 5;
    QTest::newRow("letter") << "Ж" << 5;
}

void TestToolBar::symbolButtonShowsCurrentSymbol() {
    QFETCH(QString, symbol);
    QFETCH(int, firstInk);
    auto form = ShownForm();
    form->Bench().Turing().currentTapeSymbol = symbol;
    form->Bars().ApplyMachineVisibility(MachineKind::Turing);
    ToolButton* button = form->Bars().ToolBar().Button(11);
    QVERIFY(button->isVisible());
    const QImage face = button->grab().toImage();
    QCOMPARE(face.size(), QSize(24, 22));
    int left = face.width();
    int top = face.height();
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (qGray(face.pixel(x, y)) < 64) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
        }
    }
    // Glyphs have side bearings; the text starts at its point or just after.
    QVERIFY2(left >= firstInk && left <= firstInk + 2, qPrintable(QString::number(left)));
    QVERIFY(top >= 4);
    QCOMPARE(QColor(face.pixel(0, 21)), QColor(192, 192, 192));

    // Switching the button off keeps the drawn face.
    SetButtonEnabled(form->Bars().ToolBar(), 11, false);
    QCOMPARE(button->grab().toImage(), face);
}

void TestToolBar::picturesAreDrawnForTheRatio_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QPoint>("line");  // a pixel of a one-pixel line at ratio 1
    QTest::addColumn<bool>("finer");   // has slopes or text an upscale would coarsen
    const QPoint none(-1, -1);
    QTest::newRow("new page") << "0" << QPoint(6, 10) << true;
    QTest::newRow("save") << "2" << QPoint(2, 10) << false;
    QTest::newRow("run") << "5" << QPoint(6, 10) << true;
    QTest::newRow("pause off") << "6 off" << QPoint(9, 10) << false;
    QTest::newRow("mark") << "9" << QPoint(3, 10) << true;
    QTest::newRow("change") << "change" << none << true;
    QTest::newRow("symbol") << "symbol" << none << true;
}

void TestToolBar::picturesAreDrawnForTheRatio() {
    QFETCH(QString, picture);
    QFETCH(QPoint, line);
    QFETCH(bool, finer);
    const QImage one = ToolPicture(picture, 1);
    const QImage two = ToolPicture(picture, 2);
    QCOMPARE(one.devicePixelRatio(), 1.0);
    QCOMPARE(two.devicePixelRatio(), 2.0);
    QCOMPARE(two.size(), one.size() * 2);
    // Straight lines and blocks land on the same logical pixels as at ratio
    // 1, so only slopes and text differ from the nearest-neighbour upscale.
    QImage upscale = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    upscale.setDevicePixelRatio(2);
    QCOMPARE(two != upscale, finer);
    if (line == QPoint(-1, -1)) {
        return;
    }
    // The line is two device pixels wide and its neighbours are those of
    // the ratio-1 picture.
    for (const QPoint step : {QPoint(1, 0), QPoint(0, 1)}) {
        QCOMPARE(two.pixel(2 * line - step), one.pixel(line - step));
        QCOMPARE(two.pixel(2 * line), one.pixel(line));
        QCOMPARE(two.pixel(2 * line + step), one.pixel(line));
        QCOMPARE(two.pixel(2 * line + 2 * step), one.pixel(line + step));
    }
}

void TestToolBar::hoverFrames_data() {
    QTest::addColumn<bool>("turing");
    QTest::addColumn<int>("enter");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addColumn<QPoint>("bv");   // (-1, -1): hidden
    QTest::addColumn<QPoint>("bv2");  // (-1, -1): hidden
    const QPoint hidden(-1, -1);
    QTest::newRow("enabled button") << false << 1 << QList<int>{} << QPoint(7, 3) << hidden;
    QTest::newRow("run button") << false << 6 << QList<int>{} << QPoint(157, 3) << hidden;
    QTest::newRow("disabled button") << false << 5 << QList<int>{} << hidden << hidden;
    QTest::newRow("mark button") << false << 10 << QList<int>{} << QPoint(268, 3) << hidden;
    QTest::newRow("symbol frames the pair")
        << true << 11 << QList<int>{} << QPoint(268, 3) << QPoint(292, 3);
    QTest::newRow("change frames the pair")
        << true << 12 << QList<int>{} << QPoint(268, 3) << QPoint(292, 3);
    QTest::newRow("pair with change off") << true << 11 << QList<int>{12} << hidden << hidden;
    QTest::newRow("pair with symbol off") << true << 12 << QList<int>{11} << hidden << hidden;
}

void TestToolBar::hoverFrames() {
    QFETCH(bool, turing);
    QFETCH(int, enter);
    QFETCH(QList<int>, disabled);
    QFETCH(QPoint, bv);
    QFETCH(QPoint, bv2);
    auto form = ShownForm();
    MainToolBar& bar = form->Bars().ToolBar();
    if (turing) {
        form->Bars().ApplyMachineVisibility(MachineKind::Turing);
        SetButtonEnabled(form->Bars().ToolBar(), 11, true);
        SetButtonEnabled(form->Bars().ToolBar(), 12, true);
    }
    for (int n : disabled) {
        SetButtonEnabled(form->Bars().ToolBar(), n, false);
    }
    QTest::mouseMove(form.get(), QPoint(400, 300));
    ToolButton* button = bar.Button(enter);
    QTest::mouseMove(button, button->rect().center());
    QTRY_COMPARE(button->underMouse(), true);
    QCOMPARE(bar.HoverFrame()->isVisible(), bv != QPoint(-1, -1));
    if (bv != QPoint(-1, -1)) {
        QCOMPARE(bar.HoverFrame()->pos(), bv);
    }
    QCOMPARE(bar.HoverFrame2()->isVisible(), bv2 != QPoint(-1, -1));
    if (bv2 != QPoint(-1, -1)) {
        QCOMPARE(bar.HoverFrame2()->pos(), bv2);
    }
    // The frame is drawn raised: light above, shadow below.
    if (bv != QPoint(-1, -1)) {
        const QImage image = bar.grab().toImage();
        QCOMPARE(QColor(image.pixel(bv + QPoint(5, 0))), QColor(255, 255, 255));
        QCOMPARE(QColor(image.pixel(bv + QPoint(5, 21))), QColor(128, 128, 128));
    }

    QTest::mouseMove(form.get(), QPoint(400, 300));
    QTRY_COMPARE(button->underMouse(), false);
    QVERIFY(!bar.HoverFrame()->isVisible());
    QVERIFY(!bar.HoverFrame2()->isVisible());
}

void TestToolBar::pressedLookAndClick() {
    auto form = ShownForm();
    MainToolBar& bar = form->Bars().ToolBar();
    auto spy = Isolated(Item(*form, "mmRunRun"));
    ToolButton* button = bar.Button(6);
    const QRect home = button->geometry();
    QTest::mouseMove(button, QPoint(10, 10));
    QTRY_VERIFY(bar.HoverFrame()->isVisible());

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button->geometry(), home.translated(1, 1));
    QVERIFY(!bar.HoverFrame()->isVisible());
    QCOMPARE(spy->count(), 0);

    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(9, 9));
    QCOMPARE(button->geometry(), home);
    QVERIFY(bar.HoverFrame()->isVisible());
    QCOMPARE(spy->count(), 1);

    // A press that is dragged off the button and released there is no click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 10));
    QCOMPARE(button->geometry(), home);
    QCOMPARE(spy->count(), 1);
}

void TestToolBar::disabledButtonIgnoresClicks() {
    auto form = ShownForm();
    auto spy = Isolated(Item(*form, "mmRunPause"));
    ToolButton* button = form->Bars().ToolBar().Button(7);
    QVERIFY(!button->isEnabled());
    const QRect home = button->geometry();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button->geometry(), home);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(spy->count(), 0);
}

void TestToolBar::controlStatesReachMenus_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("item");
    QTest::newRow("file") << "menuFile"
                          << "mmFile";
    QTest::newRow("interpreter") << "menuInter"
                                 << "mmInter";
    QTest::newRow("commands") << "menuComm"
                              << "mmComm";
    QTest::newRow("help") << "menuHelp"
                          << "mmHelp";
    QTest::newRow("run") << "runRun"
                         << "mmRunRun";
    QTest::newRow("pause") << "runPause"
                           << "mmRunPause";
    QTest::newRow("step") << "runStep"
                          << "mmRunStep";
    QTest::newRow("break") << "runBreak"
                           << "mmRunBreak";
}

void TestToolBar::controlStatesReachMenus() {
    QFETCH(QString, field);
    QFETCH(QString, item);
    auto form = ShownForm();
    MainMenu& menu = form->Bars().Menu();
    QAction* action = menu.Menu(item) ? menu.Menu(item)->menuAction() : menu.Action(item);
    QVERIFY(action);
    ControlStates states = form->Bench().RunControl().Controls();
    bool* flag = field == "menuFile"    ? &states.menuFile
                 : field == "menuInter" ? &states.menuInterpreter
                 : field == "menuComm"  ? &states.menuCommands
                 : field == "menuHelp"  ? &states.menuHelp
                 : field == "runRun"    ? &states.runRun
                 : field == "runPause"  ? &states.runPause
                 : field == "runStep"   ? &states.runStep
                                        : &states.runBreak;
    for (bool on : {!*flag, *flag}) {
        *flag = on;
        form->Bench().RunControl().SetControls(states);
        QCOMPARE(action->isEnabled(), on);
    }
}

namespace {
// The field of ControlStates each button follows, by button number.
using C = ControlStates;
constexpr bool C::*kButtonStates[] = {
    nullptr,         &C::newDocument, &C::openDocument, &C::saveDocument, &C::memoriseTape,
    &C::restoreTape, &C::runRun,      &C::runPause,     &C::runStep,      &C::runBreak,
    &C::mark,        &C::writeSymbol, &C::changeSymbol};
}  // namespace

void TestToolBar::controlStatesReachButtons_data() {
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 12; ++n) {
        QTest::addRow("%d", n) << n;
    }
}

void TestToolBar::controlStatesReachButtons() {
    QFETCH(int, n);
    auto form = ShownForm();
    MainToolBar& bar = form->Bars().ToolBar();
    // The machine whose buttons are shown: a hidden action stays off.
    form->Bars().ApplyMachineVisibility(n > 10 ? MachineKind::Turing : MachineKind::Post);
    RunController& run = form->Bench().RunControl();
    ControlStates states = run.Controls();
    const ControlStates start = states;
    bool C::*field = kButtonStates[n];
    for (bool on : {!(start.*field), start.*field}) {
        states.*field = on;
        run.SetControls(states);
        for (int other = 1; other <= 12; ++other) {
            if (bar.Button(other)->isVisible()) {
                QCOMPARE(bar.Button(other)->isEnabled(), states.*kButtonStates[other]);
            }
        }
        // The restore items go with the restore button and with nothing else.
        QCOMPARE(Item(*form, "mmCommPastLenta")->isEnabled(), states.restoreTape);
        QCOMPARE(Item(*form, "pmLentaPaste")->isEnabled(), states.restoreTape);
    }
}

void TestToolBar::runAndBreakSwitchTheSurfaces() {
    auto form = ShownForm();
    MainMenu& menu = form->Bars().Menu();
    MainToolBar& bar = form->Bars().ToolBar();
    auto open = Isolated(menu.openAction);
    auto help = Isolated(menu.helpContentsAction);
    auto run = Isolated(menu.runAction);
    auto breakOff = Isolated(menu.breakAction);

    form->Bench().RunControl().Run();
    const bool runningButtons[] = {false, false, false, false, false, false,
                                   true,  false, true,  false, false, false};
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(bar.Button(n)->isEnabled(), runningButtons[n - 1]);
    }
    for (QMenu* m : {menu.fileMenu, menu.interpreterMenu, menu.commandsMenu, menu.helpMenu}) {
        QVERIFY(!m->menuAction()->isEnabled());
    }
    QVERIFY(menu.runMenu->menuAction()->isEnabled());
    QVERIFY(menu.speedMenu->menuAction()->isEnabled());
    QVERIFY(!menu.runAction->isEnabled());
    QVERIFY(menu.pauseAction->isEnabled());
    QVERIFY(!menu.stepAction->isEnabled());
    QVERIFY(menu.breakAction->isEnabled());
    // Keys of a switched-off menu do nothing while the program runs.
    QTest::keyClick(form.get(), Qt::Key_F3);
    QTest::keyClick(form.get(), Qt::Key_F1);
    QTest::keyClick(form.get(), Qt::Key_F9);
    QCOMPARE(open->count(), 0);
    QCOMPARE(help->count(), 0);
    QCOMPARE(run->count(), 0);
    QTest::keyClick(form.get(), Qt::Key_F2, Qt::ControlModifier);
    QCOMPARE(breakOff->count(), 1);

    form->Bench().RunControl().Break();
    const bool idleButtons[] = {true,  true, true,  true, false, true,
                                false, true, false, true, false, false};
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(bar.Button(n)->isEnabled(), idleButtons[n - 1]);
    }
    for (QMenu* m : {menu.fileMenu, menu.interpreterMenu, menu.commandsMenu, menu.helpMenu}) {
        QVERIFY(m->menuAction()->isEnabled());
    }
    QTest::keyClick(form.get(), Qt::Key_F3);
    QCOMPARE(open->count(), 1);
}

void TestToolBar::machineVisibility_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<bool>("post");
    QTest::addColumn<bool>("turing");
    const char* postOnly[] = {"mmCommMark",    "mmCommInsRow", "mmCommDelRow",
                              "mmCommPlusRow", "pmInsRow",     "pmDelRow",
                              "pmPlusRow",     "pmLentaMark",  "button10"};
    for (const char* name : postOnly) {
        QTest::newRow(name) << name << true << true << false;
    }
    const char* turingOnly[] = {"mmCommSimvol",  "mmCommChange",  "mmCommInsCol", "mmCommDelCol",
                                "mmCommPlusCol", "pmInsCol",      "pmDelCol",     "pmPlusCol",
                                "pmLentaSimvol", "pmLentaChange", "mmViewAlf",    "button11",
                                "button12"};
    for (const char* name : turingOnly) {
        QTest::newRow(name) << name << false << false << true;
    }
    // Shown at start, before the first switch.
    for (const char* name : {"mmCommClearTur", "mmCommClearAlf", "mmCommClearComm"}) {
        QTest::newRow(name) << name << true << false << true;
    }
    for (const char* name : {"mmCommClearRow", "mmCommClearCol", "pmClearCol", "mmCommLeft"}) {
        QTest::newRow(name) << name << true << true << true;
    }
}

void TestToolBar::machineVisibility() {
    QFETCH(QString, name);
    QFETCH(bool, atStart);
    QFETCH(bool, post);
    QFETCH(bool, turing);
    auto form = ShownForm();
    auto shown = [&]() {
        if (name.startsWith("button")) {
            return form->Bars().ToolBar().Button(name.mid(6).toInt())->isVisible();
        }
        QAction* action = Item(*form, name);
        return action && action->isVisible();
    };
    QCOMPARE(shown(), atStart);
    form->Bars().ApplyMachineVisibility(MachineKind::Turing);
    QCOMPARE(shown(), turing);
    form->Bars().ApplyMachineVisibility(MachineKind::Post);
    QCOMPARE(shown(), post);
    form->Bars().ApplyMachineVisibility(MachineKind::Turing);
    QCOMPARE(shown(), turing);
}

QTEST_MAIN(TestToolBar)
#include "test_toolbar.moc"
