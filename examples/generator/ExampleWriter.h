#pragma once
// Turns an example of ExampleSource into its two files in a folder: the
// document (written by the program's own .pst or .tur writer, so it is
// exactly what the window would save) and the cases file beside it. A
// source mistake (an unknown or repeated label, a symbol outside the
// alphabet, a text Windows-1251 cannot hold, a cell off the tape) writes
// nothing and is returned in plain words.

#include <QDir>
#include <QString>

#include "ExampleSource.h"

// Each returns an empty string on success, otherwise what went wrong.
QString WritePostExample(const PostExample& example, const QDir& folder);
QString WriteTuringExample(const TuringExample& example, const QDir& folder);
