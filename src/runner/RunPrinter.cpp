#include "runner/RunPrinter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {

QByteArray JsonLine(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray TextLine(const QString& text) {
    return text.toUtf8() + '\n';
}

// A score as a teacher writes it: "83.3", "100".
QString ScoreText(double score) {
    const double tenths = std::round(score * 10) / 10;
    return tenths == std::floor(tenths) ? QString::number(qint64(tenths))
                                        : QString::number(tenths, 'f', 1);
}

}  // namespace

QString Counted(qint64 count, const QString& one, const QString& many) {
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

bool RunPrinter::Passed(const RunOutcome& o, const RunCase* runCase) {
    if (!runCase) {
        return o.result == RunOutcome::Result::Stopped;
    }
    return CasePassed(*runCase, o.Kind(), o.result == RunOutcome::Result::Stopped, o.tape);
}

QByteArray RunPrinter::Run(const QString& file, const RunOutcome& o, const RunCase* runCase) const {
    const bool passed = Passed(o, runCase);
    const bool ran = o.ran;
    if (json_) {
        QJsonObject json;
        json[QStringLiteral("file")] = file;
        json[QStringLiteral("case")] = runCase ? QJsonValue(runCase->line) : QJsonValue();
        json[QStringLiteral("machine")] =
            o.machine.isEmpty() ? QJsonValue() : QJsonValue(o.machine);
        json[QStringLiteral("result")] = RunOutcome::ResultName(o.result);
        json[QStringLiteral("steps")] = o.steps;
        json[QStringLiteral("message")] = o.message;
        json[QStringLiteral("status")] = o.status;
        const bool tape = ran && !o.emptyTape;
        json[QStringLiteral("carriage")] = ran ? QJsonValue(o.carriage) : QJsonValue();
        json[QStringLiteral("used_min")] = tape ? QJsonValue(o.usedMin) : QJsonValue();
        json[QStringLiteral("used_max")] = tape ? QJsonValue(o.usedMax) : QJsonValue();
        json[QStringLiteral("tape")] = ran ? QJsonValue(o.tape) : QJsonValue();
        if (o.result == RunOutcome::Result::Loop) {
            json[QStringLiteral("loop_start")] = o.loopStart;
            json[QStringLiteral("loop_length")] = o.loopLength;
        }
        if (runCase) {
            json[QStringLiteral("input")] = runCase->input;
            json[QStringLiteral("expected")] = runCase->expected;
            json[QStringLiteral("weight")] = runCase->weight;
        }
        json[QStringLiteral("passed")] = passed;
        return JsonLine(json);
    }
    QString line = file;
    if (runCase) {
        line += QStringLiteral(" case line %1 (%2 => %3): %4,")
                    .arg(runCase->line)
                    .arg(runCase->input, runCase->expected,
                         passed ? QStringLiteral("passed") : QStringLiteral("FAILED"));
    } else {
        line += u':';
    }
    line += u' ' + RunOutcome::ResultName(o.result);
    if (!ran) {
        return TextLine(line + QStringLiteral(": ") + o.message);
    }
    line += QStringLiteral(" after ") +
            Counted(o.steps, QStringLiteral("step"), QStringLiteral("steps"));
    if (!o.message.isEmpty()) {
        line += QStringLiteral(" (\"%1\")").arg(o.message);
    }
    if (o.result == RunOutcome::Result::Loop) {
        line += QStringLiteral("; loop from step %1, %2")
                    .arg(o.loopStart)
                    .arg(Counted(o.loopLength, QStringLiteral("step"), QStringLiteral("steps")));
    }
    if (o.emptyTape) {
        line += QStringLiteral("; tape empty");
    } else {
        line += QStringLiteral("; tape %1..%2 \"%3\"")
                    .arg(o.usedMin)
                    .arg(o.usedMax)
                    .arg(UsedPartNotation(o));
    }
    line += QStringLiteral("; carriage %1").arg(o.carriage);
    return TextLine(line);
}

QByteArray RunPrinter::Tick(const QString& file, const RunCase* runCase,
                            const TraceTick& tick) const {
    if (!json_) {
        return TextLine(tick.Line());
    }
    QJsonObject json;
    json[QStringLiteral("file")] = file;
    json[QStringLiteral("case")] = runCase ? QJsonValue(runCase->line) : QJsonValue();
    json[QStringLiteral("step")] = tick.step ? QJsonValue(*tick.step) : QJsonValue();
    json[QStringLiteral("message")] = tick.message;
    json[QStringLiteral("carriage")] = tick.carriage;
    return JsonLine(json);
}

namespace {

// The fit of --growth: its name and constant, and the lengths it rests on.
QJsonValue GrowthJson(const GrowthFit& fit) {
    return QJsonObject{
        {QStringLiteral("name"), fit.model ? QJsonValue(fit.Key()) : QJsonValue()},
        {QStringLiteral("constant"), fit.model ? QJsonValue(fit.Constant()) : QJsonValue()},
        {QStringLiteral("lengths"), fit.lengths}};
}

QString GrowthText(const GrowthFit& fit) {
    const QString lengths =
        Counted(fit.lengths, QStringLiteral("input length"), QStringLiteral("input lengths"));
    if (!fit.model) {
        return QStringLiteral("; growth not named: %1 of 2 cells or more, %2 needed")
            .arg(lengths)
            .arg(GrowthFit::kMinLengths);
    }
    return QStringLiteral("; growth %1, c = %2 (%3)")
        .arg(fit.Key(), GrowthConstantText(fit), lengths);
}

}  // namespace

QByteArray RunPrinter::Totals(const ClassReportRow& row) const {
    const int cases = row.passed + row.failed;
    if (json_) {
        QJsonObject totals;
        totals[QStringLiteral("file")] = row.file;
        totals[QStringLiteral("machine")] =
            row.machine.isEmpty() ? QJsonValue() : QJsonValue(row.machine);
        totals[QStringLiteral("passed")] = row.passed;
        totals[QStringLiteral("failed")] = row.failed;
        totals[QStringLiteral("score")] = std::round(row.score * 10) / 10;
        totals[QStringLiteral("steps")] = row.steps;
        totals[QStringLiteral("result")] = row.result;
        if (!row.reason.isEmpty()) {
            totals[QStringLiteral("message")] = row.reason;
        }
        if (row.growth) {
            totals[QStringLiteral("growth")] = GrowthJson(*row.growth);
        }
        return JsonLine(QJsonObject{{QStringLiteral("totals"), totals}});
    }
    QString line = QStringLiteral("%1: %2 of %3 passed, score %4%")
                       .arg(row.file)
                       .arg(row.passed)
                       .arg(Counted(cases, QStringLiteral("case"), QStringLiteral("cases")))
                       .arg(ScoreText(row.score));
    if (!row.reason.isEmpty()) {
        line += QStringLiteral(" (%1: %2)").arg(row.result, row.reason);
    }
    if (row.growth) {
        line += GrowthText(*row.growth);
    }
    return TextLine(line);
}

QByteArray RunPrinter::Similar(const QVector<QStringList>& same,
                               const QVector<ClosePair>& close) const {
    if (json_) {
        QJsonArray groups;
        for (const QStringList& group : same) {
            groups.append(QJsonArray::fromStringList(group));
        }
        QJsonArray pairs;
        for (const ClosePair& pair : close) {
            pairs.append(QJsonObject{{QStringLiteral("files"), QJsonArray{pair.first, pair.second}},
                                     {QStringLiteral("differing"), pair.differing},
                                     {QStringLiteral("commands"), pair.commands}});
        }
        return JsonLine(QJsonObject{{QStringLiteral("similar"), groups}}) +
               JsonLine(QJsonObject{{QStringLiteral("close"), pairs}});
    }
    QByteArray lines;
    for (const QStringList& group : same) {
        lines += TextLine(QStringLiteral("similar: ") + group.join(QStringLiteral(", ")));
    }
    for (const ClosePair& pair : close) {
        lines += TextLine(QStringLiteral("close: %1, %2 (%3 of %4 differ)")
                              .arg(pair.first, pair.second)
                              .arg(pair.differing)
                              .arg(Counted(pair.commands, QStringLiteral("command"),
                                           QStringLiteral("commands"))));
    }
    if (same.isEmpty() && close.isEmpty()) {
        lines += TextLine(QStringLiteral("similar: none"));
    }
    return lines;
}

QByteArray RunPrinter::Summary(qint64 passed, qint64 failed) const {
    if (json_) {
        return JsonLine(QJsonObject{
            {QStringLiteral("summary"),
             QJsonObject{{QStringLiteral("passed"), passed}, {QStringLiteral("failed"), failed}}}});
    }
    return TextLine(QStringLiteral("%1 passed, %2 failed").arg(passed).arg(failed));
}
