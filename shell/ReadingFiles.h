#pragma once

class frmMain;
class OpenUndo;

// Readings as files around the main window: the File menu's open, save, undo and recent
// entries, readings dropped onto the window or sent by the desktop, and the recent list kept
// up to date.
namespace ReadingFiles {

// Adds to the File menu ("mnuFile", which holds "mnuExit"): at its top "Open Previously Saved
// Reading…" (Ctrl+O), "Save Reading As…" (Ctrl+S), "Undo Open" and a separator; right above
// Exit the recent readings 1 to 5 and a separator, shown while the list has entries.
// Returns the window's undo of an open.
OpenUndo* Attach(frmMain& window);

} // namespace ReadingFiles
