// The main window as it opens: title, minimum size, the status line, and
// the object names it gives its widgets, actions and timers, each of which
// docs/GLOSSARY.md explains.

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "core/editing/TapeScroller.h"
#include "core/run/RunController.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"
#include "window/main/StatusBarPanel.h"
#include "window/tape/TapePanel.h"

namespace {

// The names in the first column of the glossary's tables; "`Cool1` …
// `Cool12`" stands for the whole numbered run.
QSet<QString> GlossaryNames() {
    QFile file(QStringLiteral(ZEBRIN_GLOSSARY));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QRegularExpression row(
        QStringLiteral("^\\| *`([A-Za-z_]+?)(\\d*)`(?: … `\\1(\\d+)`)? *\\|"));
    QSet<QString> names;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QRegularExpressionMatch m = row.match(line);
        if (!m.hasMatch())
            continue;
        if (m.captured(3).isEmpty()) {
            names.insert(m.captured(1) + m.captured(2));
            continue;
        }
        for (int i = m.captured(2).toInt(); i <= m.captured(3).toInt(); ++i)
            names.insert(m.captured(1) + QString::number(i));
    }
    return names;
}

QStringList Sorted(const QSet<QString>& names) {
    QStringList list(names.begin(), names.end());
    list.sort();
    return list;
}

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithTitleSizeAndStatusLine();
    void glossaryExplainsEveryObjectName();
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
            // It gives way in a narrow window, and grows no wider than this.
            QVERIFY(form.StatusPanel(i)->width() <= widths[i]);
            QCOMPARE(form.StatusPanel(i)->maximumWidth(), widths[i]);
        } else {
            // At least as wide as ever; wider where the longest text needs it.
            QVERIFY(form.StatusPanel(i)->width() >= widths[i]);
        }
    }
    form.Bench().Post().tape.SetPostCell(-3, true);
    QCOMPARE(form.StatusPanel(2)->Text(), QStringLiteral("min: -3"));
    QCOMPARE(form.StatusPanel(4)->Text(), QStringLiteral("Изменен"));
}

void TestMainForm::glossaryExplainsEveryObjectName() {
    MainWindow form;
    QList<QObject*> objects = form.findChildren<QObject*>();
    objects << &form << &form.Bench().RunControl().PostRunTimer()
            << &form.Bench().RunControl().TuringRunTimer();
    TapeScroller& scroller = form.Tape()->Scroller();
    objects << &scroller.LeftRepeatTimer() << &scroller.RightRepeatTimer()
            << &scroller.LeftBoundTimer() << &scroller.RightBoundTimer();
    QSet<QString> named;
    for (const QObject* object : objects) {
        if (!object->objectName().isEmpty() && !object->objectName().startsWith(u"qt_") &&
            !object->objectName().startsWith(u'_'))
            named.insert(object->objectName());
    }
    // A pop-up item that is a menu item itself answers to its pop-up name.
    for (const QString& name : form.Bars().Menu().Actions().keys()) {
        named.insert(name);
    }
    const QSet<QString> glossary = GlossaryNames();
    QVERIFY2(!glossary.isEmpty(), ZEBRIN_GLOSSARY);
    QVERIFY2((named - glossary).isEmpty(),
             qPrintable(u"not in the glossary: "_qs + Sorted(named - glossary).join(u' ')));
    QVERIFY2((glossary - named).isEmpty(),
             qPrintable(u"in the glossary but not in the window: "_qs +
                        Sorted(glossary - named).join(u' ')));
}

QTEST_MAIN(TestMainForm)
#include "test_main_form.moc"
