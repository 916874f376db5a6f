// Built only by the test that proves the core cannot reach widgets: with the
// core's include paths and libraries this include must fail.
#include <QWidget>
