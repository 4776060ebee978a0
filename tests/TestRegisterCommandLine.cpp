#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "MyDataSource.h"
#include "support/cwTestMain.h"

// coinwick --register MONTH FILE, run as a user would run it on a file the program wrote.
class TestRegisterCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listing_data();
    void listing();
    void refusals_data();
    void refusals();

private:
    QTemporaryDir _folder;
    QString _file;
};

void TestRegisterCommandLine::initTestCase()
{
    MyDataSource model;
    model.createFixedRows();
    model.createCategory("Food", "0");
    model.createCategory("Rent", "0");
    model.getMonthlyBudget()["mar"] = "1000";
    cwCategoryData& data = model.getCatDataDictionary();
    data["Food"]["mar"][0]["amount"] = "200";
    data["Rent"]["mar"][0]["amount"] = "900";
    data["Food"]["mar"].append({{"day", "12"}, {"amount", "30.00"}, {"desc", "Market"}, {"note", "weekly"}, {"reconciled", "R"}});
    data["Food"]["mar"].append({{"day", "3"}, {"amount", "-20.50"}, {"desc", "Refund"}, {"note", ""}, {"reconciled", " "}});
    data["Rent"]["mar"].append({{"day", "1"}, {"amount", "900.00"}, {"desc", "Landlord"}, {"note", "a b"}, {"reconciled", " "}});
    _file = _folder.filePath("year.txt");
    QFile out(_file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(model.buildData());
}

void TestRegisterCommandLine::listing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    const QString header = "R\tAmount\tDay\tDescription\tCategory\tNote\n";
    const QString rows = " \t900.00\t1\tLandlord\tRent\ta b\n"
                         " \t-20.50\t3\tRefund\tFood\t\n"
                         "X\t30.00\t12\tMarket\tFood\tweekly\n";
    QTest::newRow("standard") << QStringList{"--register", "mar"} << header + rows + "Budget: 1000\nRemain: 90.5\n";
    QTest::newRow("envelope") << QStringList{"--register", "mar", "--envelope"}
                              << header + rows + "Budget: 1100\nRemain: 190.5\n";
    QTest::newRow("empty month") << QStringList{"--register", "apr"} << header + "Budget: 0\nRemain: 0\n";
}

void TestRegisterCommandLine::listing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QProcess process;
    process.start(COINWICK_BINARY, arguments << _file);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), expected);
    QCOMPARE(process.exitCode(), 0);
}

void TestRegisterCommandLine::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("not a month") << QStringList{"--register", "March", _file} << 2;
    QTest::newRow("no file") << QStringList{"--register", "mar"} << 2;
    QTest::newRow("missing file") << QStringList{"--register", "mar", _folder.filePath("none.txt")} << 1;
}

void TestRegisterCommandLine::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QProcess process;
    process.start(COINWICK_BINARY, arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), exitCode);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QVERIFY(!process.readAllStandardError().isEmpty());
}

CW_TEST_MAIN(TestRegisterCommandLine)

#include "TestRegisterCommandLine.moc"
