// coinwick --print: the budget table or a month's register of a data file, printed to a
// PDF without a window and read back with pdftotext -bbox.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include "support/cwPdfWords.h"
#include "support/cwTestMain.h"

class TestPrintCommand : public QObject
{
    Q_OBJECT

private slots:
    void budgetTable();
    void registerMonth();
    void emptyBudgetAndMonth_data();
    void emptyBudgetAndMonth();
    void paperSizes_data();
    void paperSizes();
    void refusals_data();
    void refusals();

private:
    int print(const QStringList& arguments, QString* errors = nullptr);
    QString output(const QString& name) const;

    QTemporaryDir _dir;
};

namespace {

const QString yearFile = QStringLiteral(COINWICK_TEST_DATA "/print-year.txt");
const QString emptyFile = QStringLiteral(COINWICK_TEST_DATA "/print-empty.txt");

// On letter paper a row is 792 / 56 points high; row k spans k to k + 1 row heights below
// the top edge.
const double letterRow = 792.0 / 56.0;

bool near(double actual, double expected, double tolerance = 1.5)
{
    return qAbs(actual - expected) <= tolerance;
}

// The words of one printed line: the first word, then the others on the same page and
// line, further right.
bool linePrinted(const cwPdfWords& read, const QString& line)
{
    const QStringList parts = line.split(u' ');
    for (const cwPdfWord& first : read.find(parts.first())) {
        double x = first.box.right();
        bool all = true;
        for (qsizetype i = 1; i < parts.size() && all; ++i) {
            all = false;
            for (const cwPdfWord& word : read.find(parts.at(i)))
                if (word.page == first.page && near(word.box.top(), first.box.top(), 0.5) && word.box.left() >= x) {
                    x = word.box.right();
                    all = true;
                    break;
                }
        }
        if (all)
            return true;
    }
    return false;
}

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        files.append(it.next());
    files.sort();
    return files;
}

}  // namespace

int TestPrintCommand::print(const QStringList& arguments, QString* errors)
{
    QProcess coinwick;
    coinwick.start(QStringLiteral(COINWICK_BINARY), arguments);
    if (!coinwick.waitForFinished(120000))
        return -1;
    if (errors)
        *errors = QString::fromUtf8(coinwick.readAllStandardError());
    return coinwick.exitStatus() == QProcess::NormalExit ? coinwick.exitCode() : -1;
}

QString TestPrintCommand::output(const QString& name) const
{
    return _dir.filePath(name);
}

void TestPrintCommand::budgetTable()
{
    const QString pdf = output(QStringLiteral("year.pdf"));
    const QStringList homeBefore = filesUnder(QDir::homePath());
    QCOMPARE(print({"--print", yearFile, "--output", pdf}), 0);
    // The PDF is the only file written: preferences and recent documents stay untouched.
    QCOMPARE(filesUnder(QDir::homePath()), homeBefore);
    const cwPdfWords read = cwPdfWords::read(pdf);

    // 60 categories and the three fixed rows reach 891 points down the view; strips of
    // 612 points (margins of 90) make two pages.
    QCOMPARE(read.pageCount(), 2);
    QCOMPARE(read.pageSizes.at(0), QSizeF(612, 792));

    // Every page carries the titles in row 5, each standing above its column.
    const QList<cwPdfWord> titles = read.find(QStringLiteral("Category"));
    QCOMPARE(titles.size(), 2);
    for (const cwPdfWord& title : titles) {
        QVERIFY2(title.box.top() > 5 * letterRow - 0.5 && title.box.bottom() < 7 * letterRow,
                 qPrintable(QString::number(title.box.top())));
        QVERIFY(near(title.box.left(), 50));
    }
    const cwPdfWord budgetRow = read.find(QStringLiteral("Budget")).first();
    QCOMPARE(budgetRow.page, 1);
    QVERIFY(near(budgetRow.box.left(), titles.first().box.left()));
    for (const QString& month : {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar")}) {
        const QList<cwPdfWord> title = read.find(month);
        QCOMPARE(title.size(), 2);
        // The month's budget, in the Budget row, starts where the title starts.
        bool budgetBelow = false;
        for (const cwPdfWord& word : read.onPage(1))
            if (near(word.box.left(), title.first().box.left(), 0.5) && near(word.box.top(), budgetRow.box.top(), 0.5))
                budgetBelow = true;
        QVERIFY2(budgetBelow, qPrintable(month));
    }

    // Every row is printed on some page.
    for (const QString& name : {QStringLiteral("Budget"), QStringLiteral("Remain"), QStringLiteral("-----"),
                                QStringLiteral("Groceries"), QStringLiteral("Car Insurance"), QStringLiteral("Savings")})
        QVERIFY2(linePrinted(read, name), qPrintable(name));
    for (int i = 1; i <= 40; ++i) {
        const QString name = QStringLiteral("Household item %1").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY2(linePrinted(read, name), qPrintable(name));
    }
    // The last category lies on the second page, below the page head.
    const QList<cwPdfWord> last = read.find(QStringLiteral("40"));
    QVERIFY(!last.isEmpty());
    QCOMPARE(last.last().page, 2);
    QVERIFY(last.last().box.top() > 90);
}

void TestPrintCommand::registerMonth()
{
    const QString pdf = output(QStringLiteral("march.pdf"));
    QCOMPARE(print({"--print", yearFile, "--output", pdf, "--register", "mar"}), 0);
    const cwPdfWords read = cwPdfWords::read(pdf);
    QCOMPARE(read.pageCount(), 1);

    // The month's name in row 2 at 270 points; budget and remain at 420 in rows 2 and 3.
    QList<cwPdfWord> month = read.find(QStringLiteral("March"));
    month.removeIf([](const cwPdfWord& word) { return word.box.top() > 60; });  // a note says "March rent"
    QCOMPARE(month.size(), 1);
    QVERIFY(near(month.first().box.left(), 270));
    QVERIFY(month.first().box.top() >= 2 * letterRow - 0.5 && month.first().box.bottom() <= 3 * letterRow + 1);
    const cwPdfWord budget = read.find(QStringLiteral("Budget:")).value(0);
    QVERIFY(near(budget.box.left(), 420));
    QVERIFY(near(budget.box.top(), month.first().box.top(), 0.5));
    QVERIFY(linePrinted(read, QStringLiteral("Budget: 3100")));
    const cwPdfWord remain = read.find(QStringLiteral("Remain:")).value(0);
    QVERIFY(near(remain.box.left(), 420));
    QVERIFY(near(remain.box.top() - budget.box.top(), letterRow, 0.5));

    // The six titles share a line in row 5.
    const cwPdfWord amountTitle = read.find(QStringLiteral("Amount")).value(0);
    QVERIFY(amountTitle.box.top() > 5 * letterRow - 0.5 && amountTitle.box.top() < 6 * letterRow);
    QVERIFY(linePrinted(read, QStringLiteral("R Amount Day Description Category Note")));

    // Reconciled entries print "X" in the first column, the others nothing there.
    const QList<cwPdfWord> marks = read.find(QStringLiteral("X"));
    QCOMPARE(marks.size(), 4);
    for (const cwPdfWord& mark : marks)
        QVERIFY(mark.box.top() > 89);
    QVERIFY(linePrinted(read, QStringLiteral("X 950.00 1 Landlord Rent March rent")));
    QVERIFY(linePrinted(read, QStringLiteral("63.18 12 Power company Electricity meter 44871")));
    // A description too wide for its column wraps; what does not fit the row is left out.
    QVERIFY(linePrinted(read, QStringLiteral("-250.00 28 Transfer")));
    QVERIFY(read.find(QStringLiteral("postponed")).isEmpty());
}

void TestPrintCommand::emptyBudgetAndMonth_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("budget without categories")
        << QStringList()
        << QStringList{"Category Avg Jan Feb Mar Apr May Jun", "Budget 1200 1200", "Remain 1200 1200"};
    QTest::newRow("month without entries")
        << QStringList{"--register", "jan"}
        << QStringList{"January Budget: 1200", "Remain: 1200", "R Amount Day Description Category Note"};
}

void TestPrintCommand::emptyBudgetAndMonth()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, lines);

    const QString pdf = output(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    QCOMPARE(print(QStringList{"--print", emptyFile, "--output", pdf} + options), 0);
    const cwPdfWords read = cwPdfWords::read(pdf);
    QCOMPARE(read.pageCount(), 1);
    for (const QString& line : lines)
        QVERIFY2(linePrinted(read, line), qPrintable(line));
    // Nothing below the page head but the fixed rows.
    for (const cwPdfWord& word : read.words)
        QVERIFY2(word.box.top() < 90 + 3 * letterRow, qPrintable(word.text));
}

void TestPrintCommand::paperSizes_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<double>("rowHeight");

    QTest::newRow("letter") << QStringLiteral("letter") << QSizeF(612, 792) << 792.0 / 56;
    QTest::newRow("a4") << QStringLiteral("a4") << QSizeF(595, 842) << 842.0 / 60;
}

void TestPrintCommand::paperSizes()
{
    QFETCH(QString, paper);
    QFETCH(QSizeF, size);
    QFETCH(double, rowHeight);

    const QString pdf = output(paper + QStringLiteral(".pdf"));
    QCOMPARE(print({"--print", yearFile, "--output", pdf, "--register", "mar", "--paper", paper}), 0);
    const cwPdfWords read = cwPdfWords::read(pdf);
    QCOMPARE(read.pageSizes.value(0), size);
    const cwPdfWord budget = read.find(QStringLiteral("Budget:")).value(0);
    const cwPdfWord remain = read.find(QStringLiteral("Remain:")).value(0);
    QVERIFY(near(remain.box.top() - budget.box.top(), rowHeight, 0.1));
}

void TestPrintCommand::refusals_data()
{
    // OUT stands for the PDF file the test names.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    const QString missing = QStringLiteral(COINWICK_TEST_DATA "/no-such-file.txt");
    const QString notData = QStringLiteral(COINWICK_TEST_DATA "/../TestPrintCommand.cpp");
    QTest::newRow("missing data file") << QStringList{"--print", missing, "--output", "OUT"} << 1
                                       << QStringLiteral("not found");
    QTest::newRow("not a data file") << QStringList{"--print", notData, "--output", "OUT"} << 1
                                     << QStringLiteral("NOT a valid data file");
    QTest::newRow("unwritable output") << QStringList{"--print", yearFile, "--output", "OUT/in/no/folder.pdf"} << 1
                                       << QStringLiteral("cannot write");
    QTest::newRow("unknown paper") << QStringList{"--print", yearFile, "--output", "OUT", "--paper", "legal"} << 2
                                   << QStringLiteral("--paper");
    QTest::newRow("unknown month") << QStringList{"--print", yearFile, "--output", "OUT", "--register", "march"} << 2
                                   << QStringLiteral("--register");
    QTest::newRow("no output") << QStringList{"--print", yearFile} << 2 << QStringLiteral("--output");
}

void TestPrintCommand::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);

    QTemporaryDir folder;
    arguments.replaceInStrings(QStringLiteral("OUT"), folder.filePath(QStringLiteral("refused.pdf")));
    QString errors;
    QCOMPARE(print(arguments, &errors), status);
    QVERIFY2(errors.contains(message), qPrintable(errors));
    QVERIFY(QDir(folder.path()).isEmpty());
}

CW_TEST_MAIN(TestPrintCommand)

#include "TestPrintCommand.moc"
