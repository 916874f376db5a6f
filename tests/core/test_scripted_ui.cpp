// The scripted Ui that every core test answers dialogs with: a planned
// answer the dialog's kind offers is given back; one it does not offer, or a
// dialog met with nothing planned, is a fault of the test, and the dialog
// then gets its kind's first answer (or the planned one) so the code goes on.
// A Ui made for the batch runner takes first answers quietly.

#include <QtTest>

#include "core/port/ScriptedUi.h"

namespace {

QStringList reported;

void Record(const QString& what) {
    reported.append(what);
}

}  // namespace

class TestScriptedUi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        reported.clear();
        previous_ = ScriptedUi::SetUnplannedHandler(Record);
    }
    void cleanup() { ScriptedUi::SetUnplannedHandler(previous_); }
    void answersByName_data();
    void answersByName();

private:
    ScriptedUi::UnplannedHandler previous_ = nullptr;
};

void TestScriptedUi::answersByName_data() {
    QTest::addColumn<bool>("quiet");  // made for the batch runner
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QList<DialogAnswer>>("planned");
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<bool>("fault");

    using A = DialogAnswer;
    using K = MessageKind;
    QTest::newRow("offered") << false << K::RestartQuestion << QList<A>{A::Continue} << A::Continue
                             << false;
    QTest::newRow("closed is always offered")
        << false << K::Notice << QList<A>{A::Closed} << A::Closed << false;
    QTest::newRow("help of a failure")
        << false << K::ErrorWithHelp << QList<A>{A::Help} << A::Help << false;
    QTest::newRow("help the notice does not offer")
        << false << K::Notice << QList<A>{A::Help} << A::Help << true;
    QTest::newRow("yes to the restart question")
        << false << K::RestartQuestion << QList<A>{A::Yes} << A::Yes << true;
    QTest::newRow("nothing planned: first answer")
        << false << K::Question << QList<A>{} << A::Yes << true;
    QTest::newRow("batch runner: first answer, quietly")
        << true << K::RestartQuestion << QList<A>{} << A::Restart << false;
}

void TestScriptedUi::answersByName() {
    QFETCH(bool, quiet);
    QFETCH(MessageKind, kind);
    QFETCH(QList<DialogAnswer>, planned);
    ScriptedUi ui(quiet ? ScriptedUi::Unplanned::FirstButton : ScriptedUi::Unplanned::Fail);
    ui.answers = planned;
    QTEST(ui.ShowMessageDialog({kind, QStringLiteral("Заголовок"), QStringLiteral("Текст")}),
          "answer");
    QFETCH(bool, fault);
    QCOMPARE(reported.size(), fault ? 1 : 0);
    QCOMPARE(ui.unplanned, reported);
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].kind, kind);
    QCOMPARE(ui.dialogs[0].caption, QStringLiteral("Заголовок"));
    QCOMPARE(ui.dialogs[0].message, QStringLiteral("Текст"));
    QTEST(ui.dialogs[0].answer, "answer");
    QVERIFY(ui.answers.isEmpty());
}

QTEST_MAIN(TestScriptedUi)
#include "test_scripted_ui.moc"
