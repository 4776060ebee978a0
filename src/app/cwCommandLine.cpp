#include "cwCommandLine.h"

#include "MyDataSource.h"
#include "cwBudgetCellText.h"
#include "cwCheckViewData.h"
#include "cwPrintCommand.h"
#include "cwRegisterListing.h"
#include "cwURLFormat.h"
#include "cwUserDefaults.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {
const char* const kUsage =
    "Usage: coinwick [FILE]\n"
    "       coinwick --table FILE [--envelope] [--raw]\n"
    "       coinwick --register MONTH FILE [--envelope]\n"
    "       coinwick --print FILE --output OUT.pdf [--register MONTH] [--paper letter|a4]\n"
    "       coinwick --help\n"
    "\n"
    "Without options, opens the budget window, on the data file FILE when one is given.\n"
    "\n"
    "  --table FILE   print the budget table of the data file FILE as tab-separated lines:\n"
    "                 a header, then the Budget, Remain and separator rows and every category\n"
    "  --register MONTH FILE\n"
    "                 print the register of MONTH (jan ... dec) of the data file FILE as it\n"
    "                 opens, sorted by day: a header, one tab-separated line per entry, then\n"
    "                 the month's budget and remaining amount\n"
    "  --envelope     compute the table or the register in envelope mode\n"
    "  --raw          print the computed values unrounded instead of the whole numbers shown\n"
    "  --print FILE   print the budget table of FILE, or with --register MONTH (jan ... dec) that\n"
    "                 month's register, into the PDF file OUT.pdf on letter (default) or a4 paper\n"
    "  --help         show this help\n";

const QStringList kOptions = {"--table", "--register", "--envelope", "--raw", "--help"};

void write(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}
}  // namespace

bool cwCommandLine::handles(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QString option = QString::fromLocal8Bit(argv[i]).section(u'=', 0, 0);
        if (kOptions.contains(option))
            return true;
    }
    return cwPrintCommand::handles(argc, argv);
}

int cwCommandLine::run(int argc, char* argv[])
{
    // Printing needs the window system's tables and fonts, and has options of its own.
    if (cwPrintCommand::handles(argc, argv))
        return cwPrintCommand::run(argc, argv);
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QCommandLineParser parser;
    const QCommandLineOption table(QStringLiteral("table"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption envelope(QStringLiteral("envelope"));
    const QCommandLineOption registerMonth(QStringLiteral("register"), QString(), QStringLiteral("MONTH"));
    const QCommandLineOption raw(QStringLiteral("raw"));
    const QCommandLineOption help(QStringLiteral("help"));
    parser.addOptions({table, registerMonth, envelope, raw, help});
    if (!parser.parse(arguments)) {
        write(stderr, parser.errorText() + u'\n');
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (parser.isSet(registerMonth) && !parser.isSet(table) && !parser.isSet(raw)
        && parser.positionalArguments().size() == 1)
        return printRegister(parser.value(registerMonth), parser.positionalArguments().first(), parser.isSet(envelope));
    if (!parser.isSet(table) || parser.isSet(registerMonth) || !parser.positionalArguments().isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    return printTable(parser.value(table), parser.isSet(envelope), parser.isSet(raw));
}

bool cwCommandLine::loadModel(MyDataSource& model, const QString& file, bool envelope)
{
    cwUserDefaults::standardUserDefaults().useInMemoryStore();
    model.createFixedRows();
    model.setEnvelopeMode(envelope);
    // The shell gives a plain path, maybe relative; the program takes a name with a "%" for an
    // escaped one, so such a name is handed over escaped.
    const QString path = QFileInfo(file).absoluteFilePath();
    model.loadFile(path.contains(u'%') ? escapedFilePath(path) : path);
    return model.takeHeadlessAlerts().isEmpty();
}

int cwCommandLine::printTable(const QString& file, bool envelope, bool raw)
{
    MyDataSource model;
    if (!loadModel(model, file, envelope))
        return 1;  // the alert's message is already on standard error

    QStringList columns = {QStringLiteral("desc"), QStringLiteral("average")};
    columns += model.monthIds();
    QString text = QStringLiteral("Category\tAvg\t") + model.monthNames().join(u'\t') + u'\n';
    const QList<cwRecord>& rows = model.getCatArray();
    for (qsizetype row = 0; row < rows.size(); ++row) {
        QStringList cells;
        for (const QString& column : columns) {
            const QString value = rows[row].value(column);
            cells.append(raw ? value : budgetCellText(row, column, value));
        }
        text += cells.join(u'\t') + u'\n';
    }
    write(stdout, text);
    return 0;
}

int cwCommandLine::printRegister(const QString& monthId, const QString& file, bool envelope)
{
    MyDataSource model;
    if (!model.monthIds().contains(monthId)) {
        write(stderr, QStringLiteral("Unknown month \"%1\": use one of %2.\n").arg(monthId, model.monthIds().join(u' ')));
        return 2;
    }
    if (!loadModel(model, file, envelope))
        return 1;
    cwCheckViewData data;
    data.loadMonthData(monthId);
    data.sortByMethod(0);  // as the register tab shows a month when it opens
    write(stdout, registerListing(data));
    return 0;
}
