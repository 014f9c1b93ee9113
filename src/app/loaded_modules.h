#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

// The program's modules as it loads them: at first use, from the program's own folder
// or, installed, from its library folder.
namespace program_modules {

// The folder the program was started from, known before any Qt application exists.
QString programFolder();
// Where the program's modules are: beside it in the build, in its library folder once
// installed.
QStringList moduleFolders();

// Runs the editor's window; when its module cannot be loaded, says why on standard
// error and returns 1.
int runWindow(int argc, char* argv[]);

// The picture loader's judgement, for the command line: why `file` is not a picture
// the program shows, empty when it is. Safe from any thread.
std::string pictureProblem(const std::filesystem::path& file);

} // namespace program_modules
