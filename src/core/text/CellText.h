#pragma once
// How the tables trim a cell's text before reading it: characters with codes
// up to 32 (blanks and control characters) are removed from both ends.

#include <QString>
#include <QStringView>

QStringView TrimLowView(QStringView text);
// The same as a string; the text itself when there is nothing to remove.
QString TrimLow(const QString& text);
