#include "runner/ClassReport.h"

namespace {

// A field as CSV wants it: quoted when it holds the separator, a quote or a
// line break, with its quotes doubled.
QString Field(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r')) {
        return text;
    }
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString Line(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) {
        quoted.append(Field(field));
    }
    return quoted.join(u',') + QStringLiteral("\r\n");
}

}  // namespace

QByteArray ClassReportCsv(const QStringList& caseHeads, const QVector<ClassReportRow>& rows) {
    const bool withCases = !caseHeads.isEmpty();
    QStringList head = {QStringLiteral("file"), QStringLiteral("machine"),
                        QStringLiteral("result")};
    if (withCases) {
        head << QStringLiteral("passed") << QStringLiteral("failed") << caseHeads;
    }
    QString text = Line(head);
    for (const ClassReportRow& row : rows) {
        QStringList fields = {row.file, row.machine, row.result};
        if (withCases) {
            fields << QString::number(row.passed) << QString::number(row.failed) << row.cases;
        }
        text += Line(fields);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}
