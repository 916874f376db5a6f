// Built only by the test that proves the core cannot reach widgets: with the
// include folders zebrin_core compiles with, this include must fail.
#include <QWidget>
