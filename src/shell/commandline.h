#pragma once

// The command line, read before Qt starts: --help and --version need no
// display, and a missing display is said in one line instead of Qt's abort.
// The texts are Hungarian, English under an English locale.
namespace commandline {

// Returns the exit code when the program ends here (--help, --version, an
// unknown option, or no display to open a window on), or -1 to go on and
// start the calculator. Qt's own options (-platform name, -style name, ...)
// are let through for QApplication.
int handle(int argc, char *argv[], const char *version);

// Qt ends with abort() when its platform plugin cannot start, say when
// DISPLAY names a server that cannot be reached. Between these two calls,
// around the construction of QApplication, that ends with one more line
// and exit code 1 instead.
void watchPlatformStart();
void platformStarted();

}  // namespace commandline
