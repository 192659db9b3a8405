#pragma once

class QWidget;

namespace ribaku {

// A terminal's Ctrl+C, a kill or the end of the session closes the game as its Exit command
// does, so the settings and the hall of fame are written. Install the handlers first thing;
// a signal that comes before the window exists is taken once the event loop runs.
void InstallQuitSignalHandlers();
void CloseOnQuitSignal(QWidget& window);

}  // namespace ribaku
