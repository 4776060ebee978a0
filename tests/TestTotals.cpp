#include "MyDataSource.h"
#include "support/cwTestMain.h"

// Monthly totals, Remain and averages in standard and envelope mode.
class TestTotals : public QObject
{
    Q_OBJECT

private slots:
    void noCategories();
    void foodAndRent_data();
    void foodAndRent();
    void averagesCountActiveMonthsOfAllCategories();
    void envelopeAverageSumsInactiveMonths();
    void emptyCategoryShowsZeroOrEnvelope();
    void averagesSumInSixtyFourBits();
    void descColumnChangesNothing();
};

namespace {

struct StartedModel
{
    StartedModel() { model.createFixedRows(); }
    MyDataSource model;
};

void addEntry(MyDataSource& model, const QString& category, const QString& month, const QString& amount)
{
    model.getCatDataDictionary()[category][month].append(
        {{"day", "1"}, {"amount", amount}, {"desc", "x"}, {"note", ""}, {"reconciled", " "}});
}

void setEnvelope(MyDataSource& model, const QString& category, const QString& month, const QString& amount)
{
    model.getCatDataDictionary()[category][month][0]["amount"] = amount;
}

QString cell(MyDataSource& model, int row, const QString& key)
{
    return model.getCatArray()[row].value(key);
}

// Budget 2000 in January; Food spends 100.50 and 50.25, Rent 900 and takes a deposit of 100.
void addFoodAndRent(MyDataSource& model)
{
    model.getMonthlyBudget()["jan"] = "2000";
    model.createCategory("Food", "0");
    model.createCategory("Rent", "0");
    addEntry(model, "Food", "jan", "100.50");
    addEntry(model, "Food", "jan", "50.25");
    addEntry(model, "Rent", "jan", "900");
    addEntry(model, "Rent", "jan", "-100");
    setEnvelope(model, "Food", "jan", "200");
    setEnvelope(model, "Rent", "jan", "1000");
}

}  // namespace

void TestTotals::noCategories()
{
    StartedModel started;
    MyDataSource& model = started.model;
    model.getMonthlyBudget()["jan"] = "2000";
    model.updateView();
    QCOMPARE(cell(model, 0, "jan"), QString("2000"));
    QCOMPARE(cell(model, 1, "jan"), QString("2000"));
    QCOMPARE(cell(model, 1, "feb"), QString("0"));
    QCOMPARE(cell(model, 0, "average"), QString(""));
    QCOMPARE(cell(model, 1, "average"), QString(""));
    QCOMPARE(cell(model, 2, "average"), QString("-----"));
}

void TestTotals::foodAndRent_data()
{
    QTest::addColumn<bool>("envelope");
    QTest::addColumn<QStringList>("january");  // Budget, Remain, Food, Rent
    QTest::addColumn<QStringList>("february");
    QTest::addColumn<QStringList>("averages");  // Food, Rent
    QTest::newRow("standard") << false << QStringList{"2000", "1049.25", "150.75", "800"}
                              << QStringList{"0", "0", "0", "0"} << QStringList{"150", "800"};
    QTest::newRow("envelope") << true << QStringList{"1200", "249.25", "49.25", "200"}
                              << QStringList{"0", "0", "0", "0"} << QStringList{"49", "200"};
}

void TestTotals::foodAndRent()
{
    QFETCH(bool, envelope);
    QFETCH(QStringList, january);
    QFETCH(QStringList, february);
    QFETCH(QStringList, averages);
    StartedModel started;
    MyDataSource& model = started.model;
    model.setEnvelopeMode(envelope);
    addFoodAndRent(model);
    model.updateView();
    for (int row : {0, 1, 3, 4}) {
        const int column = row < 3 ? row : row - 1;
        QCOMPARE(cell(model, row, "jan"), january[column]);
        QCOMPARE(cell(model, row, "feb"), february[column]);
    }
    QCOMPARE(cell(model, 3, "average"), averages[0]);
    QCOMPARE(cell(model, 4, "average"), averages[1]);
    QCOMPARE(cell(model, 0, "average"), QString(""));
    QCOMPARE(cell(model, 1, "average"), QString(""));
    for (const QString& key : model.getCatArray()[2].keys())
        QCOMPARE(cell(model, 2, key), QString("-----"));
    QCOMPARE(model.calculateBudgetForColumnId("jan"), january[0]);
}

void TestTotals::averagesCountActiveMonthsOfAllCategories()
{
    StartedModel started;
    MyDataSource& model = started.model;
    addFoodAndRent(model);
    model.createCategory("Gifts", "0");
    addEntry(model, "Gifts", "mar", "30");
    model.updateView();
    QCOMPARE(cell(model, 3, "average"), QString("75"));
    QCOMPARE(cell(model, 4, "average"), QString("400"));
    QCOMPARE(cell(model, 5, "average"), QString("15"));

    // The divisor counts a month once, however many categories have entries in it; a
    // single category's average follows the same divisor.
    addEntry(model, "Food", "mar", "-3");
    model.updateTotalsForMonth("mar");
    QCOMPARE(cell(model, 3, "mar"), QString("-3"));
    QCOMPARE(cell(model, 3, "average"), QString("73"));
    model.getCatArray()[4]["average"] = "stale";
    model.updateAveragesForCategory(4);
    QCOMPARE(cell(model, 4, "average"), QString("400"));
    model.updateAveragesForCategory(1);
    QCOMPARE(cell(model, 1, "average"), QString(""));
}

void TestTotals::envelopeAverageSumsInactiveMonths()
{
    StartedModel started;
    MyDataSource& model = started.model;
    model.setEnvelopeMode(true);
    model.createCategory("Food", "0");
    for (const QString& month : model.monthIds())
        setEnvelope(model, "Food", month, "200");
    addEntry(model, "Food", "jan", "100.50");
    addEntry(model, "Food", "jan", "50.25");
    model.updateView();
    QCOMPARE(cell(model, 3, "jan"), QString("49.25"));
    QCOMPARE(cell(model, 3, "dec"), QString("200"));
    QCOMPARE(cell(model, 3, "average"), QString("2249"));
    QCOMPARE(cell(model, 0, "jul"), QString("200"));
    QCOMPARE(cell(model, 1, "jul"), QString("200"));
}

void TestTotals::emptyCategoryShowsZeroOrEnvelope()
{
    for (bool envelope : {false, true}) {
        StartedModel started;
        MyDataSource& model = started.model;
        model.setEnvelopeMode(envelope);
        model.createCategory("Car", "0");
        setEnvelope(model, "Car", "apr", "75.50");
        model.updateView();
        QCOMPARE(cell(model, 3, "apr"), envelope ? QString("75.5") : QString("0"));
        QCOMPARE(cell(model, 3, "average"), QString("0"));  // no active month
    }
}

void TestTotals::averagesSumInSixtyFourBits()
{
    StartedModel started;
    MyDataSource& model = started.model;
    model.createCategory("Big", "0");
    addEntry(model, "Big", "jan", "2000000000");
    model.updateView();
    model.getMonthlyBudget()["jan"] = "0";
    model.getCatArray()[3]["feb"] = "2000000000";  // cells are what averages read
    model.updateAveragesForCategory(3);
    QCOMPARE(cell(model, 3, "average"), QString("4000000000"));
    model.createCategory("Small", "0");
    addEntry(model, "Small", "feb", "1");
    model.getCatArray()[3]["feb"] = "2000000000";
    model.updateAveragesForCategory(3);
    QCOMPARE(cell(model, 3, "average"), QString("2000000000"));
}

void TestTotals::descColumnChangesNothing()
{
    StartedModel started;
    MyDataSource& model = started.model;
    addFoodAndRent(model);
    const QList<cwRecord> before = model.getCatArray();
    model.updateTotalsForMonth("desc");
    QCOMPARE(model.getCatArray(), before);
}

CW_TEST_MAIN(TestTotals)
#include "TestTotals.moc"
