#pragma once
// The window's accessible interfaces for what it draws itself, installed
// once as a Qt accessibility factory: the tape grids (TapeAccessible), the
// Turing table (TuringTableAccessible), the status panels (read as labels
// holding their text) and the message dialog (an alert whose description is
// its message). Qt asks the factory only once a client is active, so a
// window nobody reads pays nothing.

namespace AccessibleFactory {

// Installs the factory; calling it again does nothing.
void Install();

}  // namespace AccessibleFactory
