#pragma once
// The window for a student who uses the keyboard and a screen reader: the
// accessible names and descriptions of the regions Qt cannot name by
// itself, the Tab order through them (task statement, tape, go-to box,
// alphabet, table, comments, diagram; Shift+Tab goes back), and the memos
// passing Tab on instead of typing it. The accessible interfaces of the
// custom-drawn widgets come from AccessibleFactory, installed here.

class MainWindow;

namespace KeyboardAccess {

void Apply(MainWindow& window);

}  // namespace KeyboardAccess
