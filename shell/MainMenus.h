#pragma once

#include <QString>

#include <functional>

class QAction;
class QMainWindow;
class QWidget;
class ClickableLabel;

// The main window's menu bar and its clickable banner.
namespace MainMenus {

// The commands of the File menu that act on the reading shown.
struct ReadingCommands {
    std::function<void()> print;
    std::function<void()> exportPdf;
};

// The File menu's entries for the reading shown; both start disabled, until there is one.
struct ReadingEntries {
    QAction* print = nullptr;
    QAction* exportPdf = nullptr;
};

// Builds the menu bar: File (Print Reading with the standard Print key, Export Reading as PDF,
// Exit), Help (Online Help, Visit Us Online, Check for Software Update, About Software) and
// Donate as a command on the bar itself. Exit closes the window through its ordinary close
// handling; About runs showAbout, the reading entries their commands.
ReadingEntries InstallMenus(QMainWindow& window, const std::function<void()>& showAbout,
                            const ReadingCommands& reading = {});

QString bannerText();
// Puts the banner Label10 into an area with a layout; a click opens the main site.
ClickableLabel* InstallBanner(QWidget& area);

} // namespace MainMenus
