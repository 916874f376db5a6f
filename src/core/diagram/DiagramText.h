#pragma once
// How the picture of a program quotes what the user wrote: cell texts
// shortened to a label's width, and characters that do not print (which a
// damaged document can hold) shown as U+FFFD, so every label is one line of
// visible text.

#include <QString>

namespace DiagramText {

constexpr int kMaxQuoted = 24;

QChar Printable(QChar c);
// «text», at most kMaxQuoted characters of it, a longer one cut with "…".
QString Quoted(QStringView text);

}  // namespace DiagramText
