#pragma once

#include <QString>

#include <functional>

class QMainWindow;
class QWidget;
class ClickableLabel;

// The main window's menu bar and its clickable banner.
namespace MainMenus {

// Builds the menu bar: File (Exit), Help (Online Help, Visit Us Online, Check for Software
// Update, About Software) and Donate as a command on the bar itself. Exit closes the window
// through its ordinary close handling; About runs showAbout.
void InstallMenus(QMainWindow& window, const std::function<void()>& showAbout);

QString bannerText();
// Puts the banner Label10 into an area with a layout; a click opens the main site.
ClickableLabel* InstallBanner(QWidget& area);

} // namespace MainMenus
