#pragma once
// What zebrin42-run refuses to write over: a --report, --diagram or --save
// target that is one of the documents given or the cases file (the same
// file by another path or through a link too), or an existing file that
// starts with a document's first bytes. A shell's glob makes such mistakes
// easy ("--report *.pst" names the first submission as the report), and a
// submission written over is lost. Nothing runs and nothing is written then.

#include <QString>
#include <QStringList>

// Why `target` must not be written, in plain English, or an empty text.
QString RefusedTarget(const QString& target, const QStringList& inputs);
