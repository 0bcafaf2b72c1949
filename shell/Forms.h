#pragma once

#include <QList>

class QWidget;

// The program's open windows in the order they were created. A window is open from its
// registration until it receives its close event; none of the program's windows refuses a
// close, so a close event always ends it.
namespace Forms {

void RegisterWindow(QWidget* window);
// The registered windows that have not closed yet, oldest first.
QList<QWidget*> OpenWindows();

} // namespace Forms

// Closes every open window, oldest first. Each window's own close handling runs; a window
// whose close handling walks again (a nested walk) meets only the windows still open, so
// each window closes once. A failure on one window does not stop the walk. The process ends
// with its last window.
void UnloadAllForms();
