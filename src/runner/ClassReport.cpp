#include "runner/ClassReport.h"

namespace {

// A field as CSV wants it. A spreadsheet takes a field that begins with
// "=", "+", "-", "@", a tab or a carriage return for a formula (a file named
// "=1+2.pst" showed #NAME?, and a crafted name could do worse), so such a
// field is written with a leading "'", which shows it as the text it is.
// Then it is quoted when it holds the separator, a quote or a line break,
// with its quotes doubled.
QString Field(const QString& text) {
    QString field = text;
    if (!field.isEmpty()) {
        const QChar first = field.front();
        if (first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' ||
            first == u'\r') {
            field.prepend(u'\'');
        }
    }
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r')) {
        return field;
    }
    field.replace(u'"', QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

void AddLine(QString& text, const QStringList& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            text += u',';
        }
        text += Field(fields[i]);
    }
    text += QStringLiteral("\r\n");
}

}  // namespace

QString CaseHeading(const ClassReportCase& c) {
    return QStringLiteral("line %1: %2 => %3").arg(c.line).arg(c.input, c.expected);
}

QString GrowthConstantText(const GrowthFit& fit) {
    return fit.model ? QString::number(fit.Constant(), 'g', 4) : QString();
}

QByteArray ClassReportCsv(const ClassReport& report) {
    QStringList head = {QStringLiteral("file"), QStringLiteral("machine"),
                        QStringLiteral("result")};
    if (report.withCases) {
        head << QStringLiteral("passed") << QStringLiteral("failed") << QStringLiteral("score");
    }
    if (report.withGrowth) {
        head << QStringLiteral("growth") << QStringLiteral("growth_constant");
    }
    if (report.withSimilar) {
        head << QStringLiteral("similar_to");
    }
    if (report.withCases) {
        for (const ClassReportCase& c : report.cases) {
            head << CaseHeading(c);
        }
    }
    QString text;
    AddLine(text, head);
    for (const ClassReportRow& row : report.rows) {
        QStringList fields = {row.file, row.machine, row.result};
        if (report.withCases) {
            fields << QString::number(row.passed) << QString::number(row.failed)
                   << QString::number(row.score, 'f', 1);
        }
        if (report.withGrowth) {
            const GrowthFit fit = row.growth.value_or(GrowthFit{});
            fields << fit.Key() << GrowthConstantText(fit);
        }
        if (report.withSimilar) {
            fields << row.similarTo.join(QStringLiteral("; "));
        }
        if (report.withCases) {
            for (const ClassReportCell& cell : row.cells) {
                fields << cell.result;
            }
        }
        AddLine(text, fields);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}
