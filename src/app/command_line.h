#pragma once

namespace app {

// What the command line asks of the program: to start its windows, or to have printed its
// help or version or a complaint, with the exit code to end with.
struct CommandLine {
    bool startWindows = true;
    int exitCode = 0;
};

// Reads --help, --version and the options Qt's windows take itself; prints the help, the
// version, or a German message about an unknown option or argument. Needs no display.
[[nodiscard]] CommandLine readCommandLine(int argc, char** argv);

}  // namespace app
