#pragma once

#include <QStringList>

// What the program does when started to work without a window:
//   stationery-editor --export OUT [--form classic|todays|message] FILE
// converts the stationery FILE, and --help and --version answer as Qt programs do.
namespace command_line {

// True when the arguments ask for work without a window (so no display is needed).
bool wantsNoWindow(int argc, char* argv[]);

// The stationery file the window is to open, from the arguments the window system
// left: the first that is not an option, or the one after "--"; empty for none.
QString fileToOpen(const QStringList& arguments);

// Does that work and returns the program's exit status; a failure is told on standard
// error, and nothing is written then: status 1 for a failed export, 2 for options or
// arguments it does not understand.
int run(int argc, char* argv[]);

} // namespace command_line
