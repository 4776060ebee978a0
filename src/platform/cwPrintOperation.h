#pragma once

#include <QString>

class QPainter;
class QPrinter;
class QWidget;
class cwPrintInfo;
class cwPrintableView;

// Prints a cwPrintableView with the settings of a cwPrintInfo. Every page shows one strip
// of the view: its left edge at the sheet's left edge, its top at the top margin, enlarged
// by the print scale; then the view draws the page border in the sheet's own coordinates.
// This class alone turns the views' points with y growing upwards into the printer's
// coordinates.
class cwPrintOperation
{
public:
    cwPrintOperation(cwPrintableView& view, cwPrintInfo& printInfo);

    // Shows the print dialog on the window, with a button that opens a print preview, and
    // prints what the user chose. Answers true when pages were sent to the printer.
    bool runOperation(QWidget* window);

    // Prints every page into a PDF file at the print information's paper size, without a
    // window. Answers false when the file cannot be written.
    bool runToPdf(const QString& path);

private:
    void printPages(QPainter& painter, QPrinter& printer, int firstPage, int lastPage);
    bool printAll(QPrinter& printer);  // the view's page range, or the part of it the user chose

    cwPrintableView& _view;
    cwPrintInfo& _printInfo;
};
