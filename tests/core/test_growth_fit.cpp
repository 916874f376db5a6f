// How steps grow: the model the fit names on synthetic points of known
// growth and on bad ones (too few lengths, lengths where log n is 0, no
// steps, steps and constants past a double's range), on real runs of our
// examples of known growth, and the longer inputs a case's pattern grows to.

#include <QtTest>
#include <cmath>
#include <functional>
#include <limits>

#include "core/checking/CaseBench.h"
#include "core/checking/GrowthFit.h"
#include "runner/BatchRun.h"

namespace {

QVector<GrowthPoint> Points(const QVector<int>& lengths, const std::function<double(int)>& steps) {
    QVector<GrowthPoint> points;
    for (int n : lengths) {
        points.append(GrowthPoint{n, qint64(std::llround(steps(n)))});
    }
    return points;
}

QVector<int> Range(int from, int to) {
    QVector<int> lengths;
    for (int n = from; n <= to; ++n) {
        lengths.append(n);
    }
    return lengths;
}

}  // namespace

class TestGrowthFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modelChosen_data() {
        QTest::addColumn<QVector<GrowthPoint>>("points");
        QTest::addColumn<QString>("key");  // "" when no model is named
        QTest::addColumn<int>("lengths");
        QTest::newRow("linear with a start-up cost")
            << Points(Range(2, 20), [](int n) { return 3.0 * n + 7; }) << "n" << 19;
        QTest::newRow("n log n") << Points({4, 8, 16, 32, 64}, [](int n) {
            return 5 * n * std::log2(n);
        }) << "n log n" << 5;
        QTest::newRow("quadratic with a linear part")
            << Points(Range(5, 40), [](int n) { return 2.0 * n * n + 5 * n; }) << "n^2" << 36;
        QTest::newRow("cubic") << Points(Range(3, 20), [](int n) {
            return 0.5 * n * n * n + n * n;
        }) << "n^3" << 18;
        QTest::newRow("exponential")
            << Points(Range(2, 12), [](int n) { return 4 * std::pow(2.0, n) + 3 * n; }) << "2^n"
            << 11;
        QTest::newRow("three lengths") << Points({2, 3, 5}, [](int n) { return n; }) << "" << 3;
        QTest::newRow("a length measured again counts once")
            << Points({2, 3, 3, 3, 5, 5}, [](int n) { return 2 * n; }) << "" << 3;
        QTest::newRow("lengths 0 and 1 carry no growth")
            << Points({0, 1, 2, 3, 4}, [](int n) { return n + 1; }) << "" << 3;
        QTest::newRow("runs of no steps carry no growth")
            << Points({2, 3, 4, 5}, [](int n) { return n > 3 ? 0 : n; }) << "" << 2;
        QTest::newRow("no points") << QVector<GrowthPoint>{} << "" << 0;
        QTest::newRow("one point") << QVector<GrowthPoint>{{7, 40}} << "" << 1;
        QTest::newRow("steps at the largest count")
            << QVector<GrowthPoint>{{2, std::numeric_limits<qint64>::max()},
                                    {3, std::numeric_limits<qint64>::max()},
                                    {4, std::numeric_limits<qint64>::max()},
                                    {5, std::numeric_limits<qint64>::max()}}
            << "n" << 4;
        // c = 2^-1099 is below the smallest double: the curve is still drawn
        // from its logarithm.
        QTest::newRow("a constant too small for a double")
            << Points(Range(1100, 1110), [](int n) { return std::pow(2.0, n - 1099); }) << "2^n"
            << 11;
    }
    void modelChosen() {
        QFETCH(QVector<GrowthPoint>, points);
        QFETCH(QString, key);
        QFETCH(int, lengths);
        const GrowthFit fit = FitGrowth(points);
        QCOMPARE(fit.Key(), key);
        QCOMPARE(fit.lengths, lengths);
        QCOMPARE(fit.Name().isEmpty(), key.isEmpty());
        QCOMPARE(fit.Note().isEmpty(), !key.isEmpty());
        QVERIFY(std::isfinite(fit.Constant()) && fit.Constant() >= 0);
        for (double n : {-1.0, 0.0, 1.0, 2.0, 999.0, 1998.0}) {
            QVERIFY2(!std::isnan(fit.StepsAt(n)), qPrintable(QString::number(n)));
        }
        // The named curve goes through the points' middle: at the middle
        // point it is within a factor of two of the steps measured.
        if (fit.model) {
            const GrowthPoint middle = points[points.size() / 2];
            const double ratio = fit.StepsAt(middle.length) / double(middle.steps);
            QVERIFY2(ratio > 0.5 && ratio < 2, qPrintable(QString::number(ratio)));
        }
    }

    // Our examples of known growth, run on their own cases as the check and
    // the runner run them.
    void realRuns_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("firstLength");  // the first case's input, measured on the tape
        QTest::newRow("walking to the end of a block") << "post-add-one.pst"
                                                       << "n" << 3;
        QTest::newRow("doubling, a mark at a time") << "post-double.pst"
                                                    << "n^2" << 3;
        QTest::newRow("a binary counter run to 2^n") << "turing-count-to-power.tur"
                                                     << "2^n" << 3;
    }
    void realRuns() {
        QFETCH(QString, document);
        QFETCH(QString, key);
        QFETCH(int, firstLength);
        const QString base = QStringLiteral(ZEBRIN_EXAMPLES "/") + document;
        DocumentFile::ReadStatus status = DocumentFile::ReadStatus::Ok;
        const CasesFile cases =
            ReadCasesFile(base.section(u'.', 0, -2) + QStringLiteral(".cases"), status);
        QCOMPARE(status, DocumentFile::ReadStatus::Ok);
        DocumentCheck check(base, {});
        QVERIFY(check.CanRun());
        QVector<GrowthPoint> points;
        for (const RunCase& c : cases.cases) {
            const RunOutcome o = check.Run(RunSpec{}, &c);
            QVERIFY(CasePassed(c, o.Kind(), o.result == RunOutcome::Result::Stopped, o.tape));
            points.append(GrowthPoint{o.inputLength, o.steps});
        }
        QCOMPARE(points.front().length, firstLength);
        QCOMPARE(FitGrowth(points).Key(), key);
    }

    void patternGrown_data() {
        QTest::addColumn<bool>("post");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QString>("grown");  // "" when the input has no pattern
        QTest::newRow("the longer of two blocks") << true << "110111" << 2 << "11011111";
        QTest::newRow("blank cells before the number stay")
            << true << "0000011111" << 1 << "00000111111";
        QTest::newRow("one mark") << true << "1" << 2 << "111";
        QTest::newRow("nothing repeats: the whole used part") << true << "101" << 1 << "101101";
        QTest::newRow("a pair of symbols inside a word") << false << "abba" << 1 << "abbba";
        QTest::newRow("a two-cell unit") << false << "babab" << 1 << "bababab";
        QTest::newRow("blanks around the word stay") << false << "__ab_" << 2 << "__ababab_";
        QTest::newRow("as given with no extra") << false << "0000" << 0 << "0000";
        QTest::newRow("an empty Post input") << true << "000" << 1 << "";
        QTest::newRow("an empty Turing input") << false << "___" << 1 << "";
    }
    void patternGrown() {
        QFETCH(bool, post);
        QFETCH(QString, input);
        QFETCH(int, extra);
        QFETCH(QString, grown);
        const std::optional<GrowthPattern> pattern =
            FindGrowthPattern(post ? MachineKind::Post : MachineKind::Turing, input);
        QCOMPARE(pattern.has_value(), !grown.isEmpty());
        if (pattern) {
            QCOMPARE(pattern->Grown(extra), grown);
        }
    }

    // The repeats grow and reach past the longest tape, so growing stops
    // at the tape's end, not before.
    void repeatsReachTheTapesEnd() {
        const QVector<int> repeats = GrowthRepeats();
        QVERIFY(std::is_sorted(repeats.begin(), repeats.end()));
        QCOMPARE(std::adjacent_find(repeats.begin(), repeats.end()), repeats.end());
        QVERIFY(repeats.back() > 2 * TapeStore::TapeLimit);
        QVERIFY(repeats.size() < 30);
    }
};

QTEST_GUILESS_MAIN(TestGrowthFit)
#include "test_growth_fit.moc"
