// The compact cases and results a check of millions of cases keeps: the
// cases read from a file come back as written, and an outcome comes back as
// it was set, at a few dozen bytes a case.

#include <malloc.h>
#include <QtTest>

#include "core/checking/CaseResults.h"
#include "core/checking/CasesFile.h"

namespace {

QString Cases(const CaseList& list) {
    QStringList texts;
    for (const RunCase& c : list) {
        texts << QStringLiteral("%1:%2=>%3 s%4 c%5 w%6")
                     .arg(c.line)
                     .arg(c.input, c.expected)
                     .arg(c.start ? QString::number(*c.start) : QStringLiteral("-"))
                     .arg(c.carriage ? QString::number(*c.carriage) : QStringLiteral("-"))
                     .arg(c.weight);
    }
    return texts.join(u'|');
}

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

}  // namespace

class TestCaseList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void casesReadAsWritten_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cases");
        QTest::newRow("line breaks of every kind")
            << "1 => 11\r\n\r\n11=>111\r111 => 1111\n1111 => 1"
            << "1:1=>11 s- c- w1|3:11=>111 s- c- w1|"
               "4:111=>1111 s- c- w1|5:1111=>1 s- c- w1";
        QTest::newRow("comments and blanks") << "# head\n  1#1 => 11  # note\n\t_ =>   \n"
                                             << "2:1#1=>11 s- c- w1|3:_=> s- c- w1";
        QTest::newRow("options for the cases after them")
            << "1 => 1\n--start 3 --weight 2\n11 => 11\n--carriage 5\n111 => 111\n"
            << "1:1=>1 s- c- w1|3:11=>11 s3 c- w2|5:111=>111 s3 c5 w2";
    }
    void casesReadAsWritten() {
        QFETCH(QString, text);
        QFETCH(QString, cases);
        const CasesFile file = ParseCases(text);
        QCOMPARE(file.error, QString());
        QCOMPARE(Cases(file.cases), cases);
    }

    void casesChosenAndFilledIn() {
        CaseList list = ParseCases(QStringLiteral("1 => 1\n--carriage 2\n11 => 11\n111 => 111\n"
                                                  "--start 4\n0 => 0\n"))
                            .cases;
        QVERIFY(list.HasLine(3) && !list.HasLine(2));
        CaseList chosen = list.OnLines({6, 1});
        chosen.FillIn(7, 8);
        QCOMPARE(Cases(chosen), QStringLiteral("1:1=>1 s7 c8 w1|6:0=>0 s4 c2 w1"));
        QCOMPARE(Cases(list).count(QStringLiteral("s7")), 0);  // the list chosen from stays
    }

    void outcomesComeBackAsSet() {
        const CaseList cases{{1, "1", "11", {}, {}, 1},
                             {2, "1", "11", {}, {}, 1},
                             {3, "11", "111", {}, {}, 1},
                             {4, "0", "0", {}, {}, 1}};
        CaseResults results(cases);
        auto outcome = [](CaseOutcome::Verdict verdict, const QString& tape, qint64 steps,
                          const QString& message) {
            CaseOutcome o;
            o.verdict = verdict;
            o.tape = tape;
            o.firstCell = -2;
            o.carriage = 5;
            o.steps = steps;
            o.inputLength = 3;
            o.message = message;
            return o;
        };
        const QVector<CaseOutcome> set = {
            outcome(CaseOutcome::Verdict::Passed, "11", 4, {}),
            outcome(CaseOutcome::Verdict::Failed, "101", 1000000, {}),
            outcome(CaseOutcome::Verdict::Error, "101", 7, "Каретка вышла за пределы ленты"),
            outcome(CaseOutcome::Verdict::Error, "", 0, "Каретка вышла за пределы ленты")};
        QVERIFY(!results.At(0));
        for (int i = 0; i < set.size(); ++i) {
            results.Set(i, set[i]);
        }
        QCOMPARE(results.Done(), 4);
        QCOMPARE(results.Passed(), 1);
        for (int i = 0; i < set.size(); ++i) {
            const std::optional<CaseOutcome> back = results.At(i);
            QVERIFY(back);
            QCOMPARE(int(back->verdict), int(set[i].verdict));
            QCOMPARE(back->tape, set[i].tape);
            QCOMPARE(back->steps, set[i].steps);
            QCOMPARE(back->message, set[i].message);
            QCOMPARE(back->firstCell, -2);
            QCOMPARE(back->carriage, 5);
            QCOMPARE(back->inputLength, 3);
        }
        // A case set again counts once.
        results.Set(0, set[1]);
        QCOMPARE(results.Done(), 4);
        QCOMPARE(results.Passed(), 0);
    }

    // The largest file the limits allow holds about 1.7 million cases; read
    // and checked, each costs well under a hundred bytes.
    void millionsOfCasesCostLittle() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's allocator keeps its own books");
#endif
        constexpr int kCases = 1000000;
        const size_t before = HeapInUse();
        {
            const QString text = QStringLiteral("1=>1\n").repeated(kCases);
            const CasesFile file = ParseCases(text);
            QCOMPARE(file.cases.size(), kCases);
            CaseResults results(file.cases);
            CaseOutcome failed;
            failed.verdict = CaseOutcome::Verdict::Error;
            failed.tape = QStringLiteral("10");
            failed.message = QStringLiteral("Каретка вышла за пределы ленты");
            for (int i = 0; i < kCases; ++i) {
                failed.steps = i;
                results.Set(i, failed);
            }
            const double perCase = double(HeapInUse() - before) / kCases;
            QVERIFY2(perCase < 100, qPrintable(QString::number(perCase)));
        }
    }
};

QTEST_APPLESS_MAIN(TestCaseList)
#include "test_case_list.moc"
