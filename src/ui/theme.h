#pragma once

#include <QString>

class QWidget;

namespace zantrel {

// The program's one style sheet (resources/theme.qss): every window's colours.
QString themeStyleSheet();
// Sets it on a window as the window is created.
void applyTheme(QWidget* window);

} // namespace zantrel
