#pragma once

#include <QString>

class MyDataSource;

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
    static bool loadModel(MyDataSource& model, const QString& file, bool envelope);
    static int printTable(const QString& file, bool envelope, bool raw);
    static int printRegister(const QString& monthId, const QString& file, bool envelope);
};
