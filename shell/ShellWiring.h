#pragma once

class frmMain;
class OfferArea;

// Fits the main window with what the shell adds around the reading: menu bar, banner,
// offer area, the lookup's site, the start-up checks after a saved reading and the
// refer-a-friend window when it closes. A closed main window is deleted once no modal window
// runs any more, so it must have been created with new.
namespace ShellWiring {

OfferArea* AttachShell(frmMain& window);

} // namespace ShellWiring
