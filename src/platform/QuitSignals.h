#pragma once

class QWidget;

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in a terminal, a closed terminal) close the main
// window as its close button does, so the settings are written as at any other close, and end
// the program even while a dialog is open.
void installQuitSignals();
// The window a signal closes; until it is set, a signal only ends the dialogs' event loops.
void setQuitWindow(QWidget *window);
// A signal came before the program's own event loop ran.
bool quitSignalled();
