#pragma once
// Brings a document into the plain loop's arrays: the document is read by
// the core's own reader into a fresh Workbench, and its program table,
// alphabet, tape and carriage are taken over through the public core API.
// Cells are read by the core's own cell readers, so both runs agree on
// what a cell says; the plain loop then owns everything a step does.

#include <QString>

#include "PlainLoop.h"

// False when the reader refuses the document.
bool LoadPlainPost(const QString& path, plain::PostMachine& machine);
bool LoadPlainTuring(const QString& path, plain::TuringMachine& machine);
