#include "cwPrintCommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTabWidget>

#include <cstdio>

#include "MyDataSource.h"
#include "cwCheckViewCtrl.h"
#include "cwMainWindow.h"
#include "cwPrintInfo.h"
#include "cwPrintOperation.h"
#include "cwPrintTableView.h"
#include "cwUserDefaults.h"
#include "ui_MainMenu.h"

namespace {

const char* const usage =
    "Usage: coinwick --print FILE --output OUT.pdf [--register MONTH] [--paper letter|a4]\n"
    "\n"
    "  --print FILE       print the budget table of the data file FILE into a PDF\n"
    "  --output OUT.pdf   the PDF file to write\n"
    "  --register MONTH   print the register of MONTH (jan, feb, ... dec) instead\n"
    "  --paper PAPER      letter (the default) or a4\n";

int refuse(const QString& message)
{
    std::fputs(qPrintable(QStringLiteral("coinwick: %1\n").arg(message)), stderr);
    std::fputs(usage, stderr);
    return 2;
}

// The data file read as the main window would read it, without a window: its alerts, and
// those of the budget table's cells, go to standard error. True when there were none,
// so that the window's copy will show no alert sheet that nobody could answer.
bool loadsWithoutAlerts(const QString& path)
{
    MyDataSource model;
    model.createFixedRows();
    model.loadFile(path);
    const int rows = int(model.getCatArray().size());
    const int columns = int(MyDataSource::budgetColumnIds(model.monthIds()).size());
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            model.getDataForColumnIndex(column, row);
    return model.takeHeadlessAlerts().isEmpty();
}

}  // namespace

bool cwPrintCommand::handles(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]).section(u'=', 0, 0) == QStringLiteral("--print"))
            return true;
    return false;
}

int cwPrintCommand::run(int argc, char* argv[])
{
    // The tables and fonts are those of the window system, but nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Coinwick"));

    QCommandLineParser parser;
    const QCommandLineOption printOption(QStringLiteral("print"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption registerOption(QStringLiteral("register"), QString(), QStringLiteral("MONTH"));
    const QCommandLineOption paperOption(QStringLiteral("paper"), QString(), QStringLiteral("PAPER"),
                                         QStringLiteral("letter"));
    parser.addOptions({printOption, outputOption, registerOption, paperOption});
    if (!parser.parse(QApplication::arguments()))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    if (!parser.isSet(outputOption))
        return refuse(QStringLiteral("--print needs --output OUT.pdf"));
    const QString paper = parser.value(paperOption);
    if (paper != QStringLiteral("letter") && paper != QStringLiteral("a4"))
        return refuse(QStringLiteral("--paper must be letter or a4, not %1").arg(paper));
    return print(parser.value(printOption), parser.value(outputOption), parser.value(registerOption), paper);
}

int cwPrintCommand::print(const QString& file, const QString& output, const QString& monthId, const QString& paper)
{
    cwUserDefaults& defaults = cwUserDefaults::standardUserDefaults();
    defaults.useInMemoryStore();

    // The program's file names are absolute paths; the shell's may be relative.
    const QString path = QFileInfo(file).absoluteFilePath();
    if (!loadsWithoutAlerts(path))
        return 1;

    // The main window as the user would find it with this file, never shown: no about
    // sheet, no synchronisation.
    defaults.setObject(QStringLiteral(COINWICK_VERSION), QStringLiteral("CurrentVersion"));
    defaults.setObject(path, QStringLiteral("DataFile"));
    defaults.setBool(false, QStringLiteral("SyncData"));
    // Made after the check above: the program reaches its one controller through getMyDataSource().
    MyDataSource controller;
    if (!monthId.isEmpty() && !controller.monthIds().contains(monthId))
        return refuse(QStringLiteral("--register needs a month id (jan, feb, ... dec), not %1").arg(monthId));
    if (!controller.loadMainWindow())
        return 1;

    if (!monthId.isEmpty()) {
        auto* window = static_cast<cwMainWindow*>(controller.getMainWindow());
        window->ui()->_ourTabView->setCurrentIndex(1);
        cwCheckViewCtrl* checkView = controller.getCheckView();
        const int month = controller.monthIndex(monthId);
        while (checkView->getMonthIndex() < month)
            checkView->incrementMonth();
        while (checkView->getMonthIndex() > month)
            checkView->decrementMonth();
    }

    cwPrintInfo printInfo;
    printInfo.setPaperSize(QPageSize(paper == QStringLiteral("a4") ? QPageSize::A4 : QPageSize::Letter));
    const auto view = monthId.isEmpty() ? cwPrintTableView::initWithBudgetView(&controller, &printInfo)
                                        : cwPrintTableView::initWithDataView(&controller, &printInfo);
    if (!cwPrintOperation(*view, printInfo).runToPdf(output)) {
        std::fputs(qPrintable(QStringLiteral("coinwick: cannot write %1\n").arg(output)), stderr);
        return 1;
    }
    return 0;
}
