#include "support/cwTestMain.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

// The coinwick executable's command-line modes, run as a user would run them.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void table_data();
    void table();
    void fileNames();
    void unreadableFiles_data();
    void unreadableFiles();
    void help();

private:
    struct Result
    {
        int exitCode;
        QString out;
        QString err;
    };
    Result run(const QStringList& arguments);
};

namespace {
const QString kFixture = QStringLiteral(COINWICK_TEST_DATA "/groceries.txt");
const QString kHeader = QStringLiteral("Category\tAvg\tJan\tFeb\tMar\tApr\tMay\tJun\tJul\tAug\tSep\tOct\tNov\tDec\n");

QString row(const QString& name, const QString& average, const QString& january, const QString& others)
{
    return QStringList{name, average, january}.join('\t') + QString("\t" + others).repeated(11) + "\n";
}
}  // namespace

TestCommandLine::Result TestCommandLine::run(const QStringList& arguments)
{
    QProcess process;
    process.start(COINWICK_BINARY, arguments);
    if (!process.waitForFinished(60000))
        qFatal("coinwick did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void TestCommandLine::table_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");
    const QString separator = QString("-----\t").repeated(13) + "-----\n";
    QTest::newRow("shown") << QStringList{} << kHeader + row("Budget", "", "2500", "2500") + row("Remain", "", "2454", "2500")
                                                   + separator + row("Groceries", "45", "45", "0");
    QTest::newRow("raw") << QStringList{"--raw"}
                         << kHeader + row("Budget", "", "2500", "2500") + row("Remain", "", "2454.8", "2500") + separator
                                + row("Groceries", "45", "45.2", "0");
    QTest::newRow("envelope raw") << QStringList{"--envelope", "--raw"}
                                  << kHeader + row("Budget", "", "0", "0") + row("Remain", "", "-45.2", "0") + separator
                                         + row("Groceries", "-45", "-45.2", "0");
}

void TestCommandLine::table()
{
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    const Result result = run(QStringList{"--table", kFixture} + options);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, expected);
    QCOMPARE(result.exitCode, 0);
}

// A relative name, and names the program could take for escaped ones, open the file they name.
void TestCommandLine::fileNames()
{
    QTemporaryDir dir;
    for (const QString& name : {QString("100% sure.txt"), QString("My%20Budget.txt"), QString("Café.txt")}) {
        QVERIFY(QFile::copy(kFixture, dir.filePath(name)));
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(COINWICK_BINARY, {"--table", name});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.readAllStandardError(), QByteArray());
        QCOMPARE(process.readAllStandardOutput().count('\n'), 5);
    }
}

void TestCommandLine::unreadableFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "/nonexistent/budget.txt" << "Source File /nonexistent/budget.txt not found!\n";
    QTest::newRow("not a data file") << COINWICK_TEST_DATA "/.gitattributes"
                                     << "Selected file is NOT a valid data file\n";
}

// A failed load reports on standard error and leaves the stored preferences alone.
void TestCommandLine::unreadableFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    QSettings stored(QSettings::NativeFormat, QSettings::UserScope, "Coinwick", "Coinwick");
    stored.setValue("DataFile", "/home/me/year.txt");
    stored.sync();
    const QByteArray before = [&] {
        QFile f(stored.fileName());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    const Result result = run({"--table", file});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.err, message);
    QFile after(stored.fileName());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
}

void TestCommandLine::help()
{
    const Result result = run({"--help"});
    QCOMPARE(result.exitCode, 0);
    for (const char* option : {"--table FILE", "--envelope", "--raw", "--help"})
        QVERIFY2(result.out.contains(option), option);

    const Result wrong = run({"--table"});
    QCOMPARE(wrong.exitCode, 2);
    QVERIFY(wrong.err.contains("Usage: coinwick"));
}

CW_TEST_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
