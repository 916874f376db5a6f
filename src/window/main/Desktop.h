#pragma once
// What the program takes from the Linux desktop it runs on: Qt's own
// Russian texts for the dialogs and editor menus Qt draws, the program's
// icon and desktop entry, and the main window's place on the screen.

#include <QIcon>

class QApplication;
class QWidget;

namespace Desktop {

// The desktop entry's id, which ties the window to its launcher.
inline constexpr char16_t kDesktopFileName[] = u"org.zebrin42.zebrin42";

// Loads Qt's Russian translation (qtbase_ru) into the application; false
// when it is not installed, and Qt's texts then stay English.
bool LoadQtTranslation(QApplication& app);
// The icon theme's "zebrin42", else the icon built into the program.
QIcon ProgramIcon();
// Names, icon, desktop entry and Qt's translation for the application.
void Configure(QApplication& app);
// Centres `window` (at its present size) on the screen it opens on.
void CentreOnScreen(QWidget& window);

}  // namespace Desktop
