// The main window as it opens: title, minimum size and the status line.

#include <QtTest>
#include "window/main/StatusBarPanel.h"

#include "window/main/MainWindow.h"

class TestMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithTitleSizeAndStatusLine();
};

void TestMainForm::opensWithTitleSizeAndStatusLine() {
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Zebrin42 [машина Поста] - Без имени"));
    QCOMPARE(form.minimumSize(), QSize(605, 450));
    const QStringList texts = {QString(), QStringLiteral("шаг:"), QStringLiteral("мин:"),
                               QStringLiteral("макс:"), QString()};
    const int widths[] = {355, 65, 60, 60, 50};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(form.StatusPanel(i)->Text(), texts[i]);
        if (i == 0) {
            QVERIFY(form.StatusPanel(i)->width() <= widths[i]);
        } else {
            QCOMPARE(form.StatusPanel(i)->width(), widths[i]);
        }
    }
    form.Bench().Post().tape.SetPostCell(-3, true);
    QCOMPARE(form.StatusPanel(2)->Text(), QStringLiteral("min: -3"));
    QCOMPARE(form.StatusPanel(4)->Text(), QStringLiteral("Изменен"));
}

QTEST_MAIN(TestMainForm)
#include "test_main_form.moc"
