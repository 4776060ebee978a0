#pragma once

#include <QString>

// The modes of the coinwick executable that work without a window. They share the
// program's code, but use a private in-memory preferences store: they never read or
// change the user's stored preferences.
class cwCommandLine
{
public:
    // True when the process arguments ask for a command-line mode.
    static bool handles(int argc, char* argv[]);
    // Runs the mode the process arguments ask for and answers the exit status.
    static int run(int argc, char* argv[]);

private:
    static int printTable(const QString& file, bool envelope, bool raw);
};
