#include <QtTest>

#include "MyDataSource.h"
#include "cwCheckViewData.h"
#include "support/cwTestMain.h"

// The register's month data without a window: loading, write-back, totals, editing with
// its checks, the category lookup and ordering. Alerts are answered OK and recorded.
class TestRegisterData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsEveryCategoryOfTheMonthSortedByDay();
    void emptyMonthAndNoCategories();
    void sortAloneLeavesTheModelOrder();
    void sortThenOneChangeWritesTheSortedOrder();
    void writeBackReplacesEveryCategorysEntries();
    void totals_data();
    void totals();
    void totalsInEnvelopeMode();
    void cellEdits_data();
    void cellEdits();
    void lastDayEnteredCarriesIntoNewEntries();
    void checkBoxToggles();
    void refusedCategoryKeepsTheEntry();
    void categoryLookup_data();
    void categoryLookup();
    void lookupOnlyOnceAndNeverAfterAHandChoice();
    void sortMethods_data();
    void sortMethods();
    void printingTexts();

private:
    cwRecord entry(const QString& day, const QString& amount, const QString& desc,
                   const QString& note = "", const QString& reconciled = " ") const;
    void addEntry(const QString& category, const QString& month, const cwRecord& e);
    cwMonthList& list(const QString& category, const QString& month);
    QStringList column(const QString& key) const;
    QStringList alertTitles();

    MyDataSource* _model = nullptr;
    cwCheckViewData* _data = nullptr;
};

cwRecord TestRegisterData::entry(const QString& day, const QString& amount, const QString& desc,
                                 const QString& note, const QString& reconciled) const
{
    return {{"day", day}, {"amount", amount}, {"desc", desc}, {"note", note}, {"reconciled", reconciled}};
}

void TestRegisterData::addEntry(const QString& category, const QString& month, const cwRecord& e)
{
    list(category, month).append(e);
}

cwMonthList& TestRegisterData::list(const QString& category, const QString& month)
{
    return _model->getCatDataDictionary()[category][month];
}

QStringList TestRegisterData::column(const QString& key) const
{
    QStringList values;
    for (int row = 0; row < _data->count(); ++row)
        values.append(_data->objectValueForTableColumn(key, row).toString());
    return values;
}

QStringList TestRegisterData::alertTitles()
{
    QStringList titles;
    for (const auto& alert : _model->takeHeadlessAlerts())
        titles.append(alert.title);
    return titles;
}

void TestRegisterData::init()
{
    _model = new MyDataSource;
    _model->createFixedRows();
    _model->createCategory("Food", "0");
    _model->createCategory("Rent", "0");
    _model->createCategory("Fun", "0");
    _model->getMonthlyBudget()["mar"] = "100";
    addEntry("Food", "mar", entry("12", "30.00", "Market"));
    addEntry("Food", "mar", entry("3", "20.00", "Bakery", "", "R"));
    addEntry("Rent", "mar", entry("1", "900.00", "Landlord"));
    addEntry("Fun", "mar", entry("3", "5.00", "Cinema"));
    _data = new cwCheckViewData;
}

void TestRegisterData::cleanup()
{
    delete _data;
    delete _model;
}

void TestRegisterData::loadsEveryCategoryOfTheMonthSortedByDay()
{
    list("Food", "mar")[0]["amount"] = "77";  // an envelope amount is never a register row
    _data->loadMonthData("mar");
    QCOMPARE(_data->getMonthId(), QString("mar"));
    QCOMPARE(column("desc"), QStringList({"Landlord", "Cinema", "Bakery", "Market"}));
    QCOMPARE(column("category"), QStringList({"Rent", "Fun", "Food", "Food"}));
    QCOMPARE(_data->entryAtRow(0).value("autoLookupKey"), QString("set"));
    QCOMPARE(_data->getCategoryItems(), QStringList({"Food", "Rent", "Fun"}));
    QCOMPARE(_data->getCategoryVisibleItems(), 6);

    // Opening again after a write-back shows the same entries.
    _data->storeAndReleaseMonthData();
    QVERIFY(_data->getMonthId().isNull());
    QCOMPARE(_data->count(), 0);
    _data->loadMonthData("mar");
    QCOMPARE(column("desc"), QStringList({"Landlord", "Cinema", "Bakery", "Market"}));
}

void TestRegisterData::emptyMonthAndNoCategories()
{
    _model->getMonthlyBudget()["apr"] = "250";
    _data->loadMonthData("apr");
    QCOMPARE(_data->count(), 0);
    QCOMPARE(_data->getRemaining(), QString("250"));
    _data->storeAndReleaseMonthData();

    for (int i = _model->getCatArray().size() - 1; i >= 3; --i)
        _model->deleteCategoryByIndex(i);
    _data->loadMonthData("mar");
    QCOMPARE(_data->count(), 0);
    QVERIFY(_data->getCategoryItems().isEmpty());
    QCOMPARE(_data->getCategoryVisibleItems(), 3);
    QVERIFY(!_data->addData());
    QCOMPARE(alertTitles(), QStringList({"No Categories Defined"}));
    QCOMPARE(_data->count(), 0);
}

void TestRegisterData::sortAloneLeavesTheModelOrder()
{
    _data->loadMonthData("mar");
    _data->sortByMethod(2);
    QCOMPARE(column("desc"), QStringList({"Cinema", "Bakery", "Market", "Landlord"}));
    _data->storeAndReleaseMonthData();
    QCOMPARE(list("Food", "mar").at(1).value("desc"), QString("Market"));
    QCOMPARE(list("Food", "mar").at(2).value("desc"), QString("Bakery"));
}

void TestRegisterData::sortThenOneChangeWritesTheSortedOrder()
{
    _data->loadMonthData("mar");
    _data->sortByMethod(2);
    _data->setObjectValue(QString("paid cash"), "note", 3);
    _data->storeAndReleaseMonthData();
    const cwMonthList& food = list("Food", "mar");
    QCOMPARE(food.size(), 3);
    QCOMPARE(food.at(1).value("desc"), QString("Bakery"));
    QCOMPARE(food.at(2).value("desc"), QString("Market"));
    QCOMPARE(list("Rent", "mar").at(1).value("note"), QString("paid cash"));
    // The register's own keys never reach the model.
    QCOMPARE(food.at(1).keys(), QStringList({"amount", "day", "desc", "note", "reconciled"}));
}

void TestRegisterData::writeBackReplacesEveryCategorysEntries()
{
    list("Fun", "mar")[0]["amount"] = "40";
    const cwRecord envelope = list("Fun", "mar").at(0);
    _data->loadMonthData("mar");
    const int cinema = column("desc").indexOf("Cinema");
    _data->setObjectValue(QString("Food"), "category", cinema);
    _data->storeAndReleaseMonthData();

    QCOMPARE(list("Fun", "mar").size(), 1);
    QCOMPARE(list("Fun", "mar").at(0), envelope);
    QCOMPARE(list("Food", "mar").size(), 4);
    QCOMPARE(list("Food", "mar").at(0).value("desc"), QString("__ENVELOPE__"));
    QCOMPARE(list("Rent", "mar").size(), 2);
    QCOMPARE(list("Food", "feb").size(), 1);
}

void TestRegisterData::totals_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("remaining");
    QTest::newRow("spending") << "25.50" << "74.5";
    QTest::newRow("deposit") << "-10" << "110";
    QTest::newRow("whole budget") << "100.00" << "0";
    QTest::newRow("overspent") << "100.5" << "-0.5";
}

void TestRegisterData::totals()
{
    QFETCH(QString, amount);
    QFETCH(QString, remaining);
    _model->getMonthlyBudget()["may"] = "100";
    _data->loadMonthData("may");
    QVERIFY(_data->addData());
    QCOMPARE(_data->getRemaining(), QString("100"));  // a new entry of 0 changes nothing
    _data->setObjectValue(amount, "amount", 0);
    QCOMPARE(_data->getBudgetTotal(), QString("100"));
    QCOMPARE(_data->getRemaining(), remaining);
}

void TestRegisterData::totalsInEnvelopeMode()
{
    _model->setEnvelopeMode(true);
    list("Food", "mar")[0]["amount"] = "500";
    list("Rent", "mar")[0]["amount"] = "1000.25";
    _data->loadMonthData("mar");
    QCOMPARE(_data->getBudgetTotal(), QString("1500.25"));
    QCOMPARE(_data->getRemaining(), QString("545.25"));
}

void TestRegisterData::cellEdits_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("alert");
    QTest::newRow("amount with trailing text") << "amount" << "12abc" << "12.00" << "";
    QTest::newRow("amount whole") << "amount" << "7" << "7.00" << "";
    QTest::newRow("amount refused") << "amount" << "abc" << "20.00" << "Invalid Currency Format";
    QTest::newRow("day leading zero") << "day" << "05" << "5" << "";
    QTest::newRow("day 31") << "day" << "31" << "31" << "";
    QTest::newRow("day 0 refused") << "day" << "0" << "3" << "Invalid Day";
    QTest::newRow("day 32 refused") << "day" << "32" << "3" << "Invalid Day";
    QTest::newRow("description") << "desc" << "Corner shop" << "Corner shop" << "";
    QTest::newRow("description comment") << "desc" << ";hidden" << "Bakery" << "Invalid Text";
    QTest::newRow("description line break") << "desc" << "two\nlines" << "Bakery" << "Invalid Text";
    QTest::newRow("semicolon inside") << "desc" << "a;b" << "a;b" << "";
    QTest::newRow("note") << "note" << ";fine in a note" << ";fine in a note" << "";
    QTest::newRow("note with tab") << "note" << "a\tb" << "a b" << "";
    QTest::newRow("note line break") << "note" << "a\r\nb" << "" << "Invalid Text";
    QTest::newRow("category listed") << "category" << "Rent" << "Rent" << "";
    QTest::newRow("category unknown") << "category" << "Travel" << "Food" << "Invalid Category";
}

void TestRegisterData::cellEdits()
{
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, alert);
    _data->loadMonthData("mar");
    const int bakery = column("desc").indexOf("Bakery");
    _data->setObjectValue(typed, key, bakery);
    QCOMPARE(_data->entryAtRow(bakery).value(key), stored);
    QCOMPARE(alertTitles(), alert.isEmpty() ? QStringList() : QStringList({alert}));
    _data->storeAndReleaseMonthData();
    QCOMPARE(list("Food", "mar").at(1).value(key == "category" ? "desc" : key),
             key == "category" ? QString(stored == "Food" ? "Bakery" : "Market") : stored);
}

void TestRegisterData::lastDayEnteredCarriesIntoNewEntries()
{
    _data->loadMonthData("mar");
    QVERIFY(_data->addData());
    QCOMPARE(_data->entryAtRow(4).value("day"), QString("1"));
    QCOMPARE(_data->entryAtRow(4).value("desc"), QString("Unknown"));
    QCOMPARE(_data->entryAtRow(4).value("amount"), QString("0"));
    QCOMPARE(_data->entryAtRow(4).value("category"), QString("Food"));
    _data->setObjectValue(QString("17"), "day", 0);
    _data->setObjectValue(QString("40"), "day", 1);  // refused: the last accepted day stays
    _data->storeAndReleaseMonthData();
    QCOMPARE(alertTitles(), QStringList({"Invalid Day"}));

    _data->loadMonthData("jun");
    QVERIFY(_data->addData());
    QCOMPARE(_data->entryAtRow(0).value("day"), QString("17"));
}

void TestRegisterData::checkBoxToggles()
{
    addEntry("Rent", "apr", entry("2", "1.00", "Odd mark", "", "x"));
    addEntry("Rent", "apr", entry("3", "2.00", "Reconciled", "", "R"));
    _data->loadMonthData("apr");
    QCOMPARE(column("reconciled"), QStringList({"0", "1"}));

    _data->setObjectValue(0, "reconciled", 1);
    QCOMPARE(_data->entryAtRow(1).value("reconciled"), QString(" "));
    _data->setObjectValue(1, "reconciled", 1);
    QCOMPARE(_data->entryAtRow(1).value("reconciled"), QString("R"));

    _data->setObjectValue(1, "reconciled", 0);
    QCOMPARE(_data->entryAtRow(0).value("reconciled"), QString(" "));
    _data->setObjectValue(1, "reconciled", 0);
    QCOMPARE(_data->entryAtRow(0).value("reconciled"), QString("R"));
}

void TestRegisterData::refusedCategoryKeepsTheEntry()
{
    _data->loadMonthData("mar");
    _data->setObjectValue(QString("Travel"), "category", 0);
    QCOMPARE(alertTitles(), QStringList({"Invalid Category"}));
    _data->storeAndReleaseMonthData();
    QCOMPARE(list("Rent", "mar").size(), 2);
    QVERIFY(!_model->getCatDataDictionary().contains("Travel"));
}

void TestRegisterData::categoryLookup_data()
{
    QTest::addColumn<QString>("desc");
    QTest::addColumn<QString>("category");
    QTest::newRow("lowest row of the open month") << "Twice" << "Fun";
    QTest::newRow("latest earlier month") << "Earlier" << "Rent";
    QTest::newRow("found nowhere") << "Nowhere" << "Food";
    QTest::newRow("later months are not searched") << "Later" << "Food";
}

void TestRegisterData::categoryLookup()
{
    QFETCH(QString, desc);
    QFETCH(QString, category);
    addEntry("Food", "apr", entry("1", "1.00", "Twice"));
    addEntry("Fun", "apr", entry("2", "1.00", "Twice"));
    addEntry("Fun", "jan", entry("2", "1.00", "Earlier"));
    addEntry("Rent", "feb", entry("2", "1.00", "Earlier"));
    addEntry("Fun", "may", entry("2", "1.00", "Later"));
    _data->loadMonthData("apr");
    QCOMPARE(_data->categoryFromDesc(desc), category);

    QVERIFY(_data->addData());
    _data->setObjectValue(desc, "desc", _data->count() - 1);
    QCOMPARE(_data->entryAtRow(_data->count() - 1).value("category"), category);
}

void TestRegisterData::lookupOnlyOnceAndNeverAfterAHandChoice()
{
    addEntry("Rent", "feb", entry("2", "1.00", "Earlier"));
    addEntry("Fun", "feb", entry("2", "1.00", "Later"));
    _data->loadMonthData("mar");
    // Entries from the model keep their category.
    _data->setObjectValue(QString("Later"), "desc", 0);
    QCOMPARE(_data->entryAtRow(0).value("category"), QString("Rent"));

    QVERIFY(_data->addData());
    const int row = _data->count() - 1;
    _data->setObjectValue(QString("Fun"), "category", row);
    _data->setObjectValue(QString("Earlier"), "desc", row);
    QCOMPARE(_data->entryAtRow(row).value("category"), QString("Fun"));

    QVERIFY(_data->addData());
    _data->setObjectValue(QString("Nowhere"), "desc", row + 1);
    _data->setObjectValue(QString("Earlier"), "desc", row + 1);
    QCOMPARE(_data->entryAtRow(row + 1).value("category"), QString("Food"));
}

void TestRegisterData::sortMethods_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("day") << 0 << QStringList({"Landlord", "Cinema", "Bakery", "Market"});
    QTest::newRow("category") << 1 << QStringList({"Bakery", "Market", "Cinema", "Landlord"});
    QTest::newRow("amount") << 2 << QStringList({"Cinema", "Bakery", "Market", "Landlord"});
    QTest::newRow("description") << 3 << QStringList({"Bakery", "Cinema", "Landlord", "Market"});
}

void TestRegisterData::sortMethods()
{
    QFETCH(int, method);
    QFETCH(QStringList, order);
    _data->loadMonthData("mar");
    _data->sortByMethod(method);
    QCOMPARE(column("desc"), order);
    // A month opened later keeps the method.
    _data->storeAndReleaseMonthData();
    _data->loadMonthData("mar");
    QCOMPARE(column("desc"), order);
}

void TestRegisterData::printingTexts()
{
    _data->loadMonthData("mar");
    const int bakery = column("desc").indexOf("Bakery");
    QCOMPARE(_data->getDataForColumnIndex(0, bakery), QString("X"));
    QCOMPARE(_data->getDataForColumnIndex(0, 0), QString(" "));
    QCOMPARE(_data->getDataForColumnIndex(1, bakery), QString("20.00"));
    QCOMPARE(_data->getDataForColumnIndex(4, bakery), QString("Food"));
}

CW_TEST_MAIN(TestRegisterData)

#include "TestRegisterData.moc"
