#pragma once

class QWidget;

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in a terminal, a closed terminal) close the
// window as its close button does, so the settings are written as at any other close.
void closeOnQuitSignals(QWidget *window);
