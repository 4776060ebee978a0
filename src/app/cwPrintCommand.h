#pragma once

#include <QString>

// coinwick --print FILE --output OUT.pdf [--register MONTH] [--paper letter|a4]: prints the
// budget table, or the register of one month, of a data file into a PDF, as the print
// command of the main window would print it, without showing a window. Uses a private
// in-memory preferences store and writes no file but the PDF.
class cwPrintCommand
{
public:
    static bool handles(int argc, char* argv[]);  // "--print" is among the arguments
    static int run(int argc, char* argv[]);       // the exit status

private:
    static int print(const QString& file, const QString& output, const QString& monthId, const QString& paper);
};
