#include "MyDataSource.h"
#include "cwUserDefaults.h"
#include "support/cwTestMain.h"

#include <QSettings>

// The budget model: start-up state, month lookups, categories and their invariants.
class TestBudgetModel : public QObject
{
    Q_OBJECT

private slots:
    void startedModel();
    void preferenceDefaults();
    void monthLookups_data();
    void monthLookups();
    void createRefusesEmptyAndTakenNames();
    void newCategoryHasTwelveEnvelopeLists();
    void uniqueNames();
    void renameKeepsData();
    void renameRefusals_data();
    void renameRefusals();
    void deleteRaisesRemain();
    void deletingLastCategoryLeavesRemainEqualToBudget();
};

namespace {

struct StartedModel
{
    StartedModel() { model.createFixedRows(); }
    ~StartedModel() { model.takeHeadlessAlerts(); }
    MyDataSource model;
};

void addEntry(MyDataSource& model, const QString& category, const QString& month, const QString& day,
              const QString& amount)
{
    model.getCatDataDictionary()[category][month].append(
        {{"day", day}, {"amount", amount}, {"desc", "x"}, {"note", ""}, {"reconciled", " "}});
}

QStringList names(MyDataSource& model)
{
    QStringList result;
    for (const cwRecord& row : model.getCatArray())
        result.append(row.value("desc"));
    return result;
}

// Fixed rows in place and unchanged in name; one month map per user category, none for the fixed rows.
void verifyInvariants(MyDataSource& model)
{
    const QList<cwRecord>& rows = model.getCatArray();
    QVERIFY(rows.size() >= 3);
    QCOMPARE(rows[0].value("desc"), QString("Budget"));
    QCOMPARE(rows[1].value("desc"), QString("Remain"));
    for (const QString& key : rows[2].keys())
        QCOMPARE(rows[2].value(key), QString("-----"));
    QCOMPARE(rows[2].size(), 14);
    QStringList userNames = names(model).mid(3);
    QStringList keys = model.getCatDataDictionary().keys();
    userNames.sort();
    QCOMPARE(keys, userNames);
    QCOMPARE(userNames.removeDuplicates(), 0);
    for (const cwMonthMap& months : model.getCatDataDictionary()) {
        QCOMPARE(months.keys().size(), 12);
        for (const cwMonthList& list : months)
            QCOMPARE(list.value(0).value("desc"), QString("__ENVELOPE__"));
    }
}

}  // namespace

void TestBudgetModel::startedModel()
{
    StartedModel started;
    MyDataSource& model = started.model;
    QCOMPARE(MyDataSource::getMyDataSource(), &model);
    QCOMPARE(names(model), QStringList({"Budget", "Remain", "-----"}));
    for (const QString& month : model.monthIds()) {
        QCOMPARE(model.getCatArray()[0].value(month), QString("0"));
        QCOMPARE(model.getCatArray()[1].value(month), QString("0"));
        QCOMPARE(model.getMonthlyBudget().value(month), QString("0"));
    }
    QCOMPARE(model.getCatArray()[0].value("average"), QString("0"));
    QVERIFY(model.getCatDataDictionary().isEmpty());
    QVERIFY(!model.isEnvelopeEnabled());
    QCOMPARE(model.getVersion(), QString(COINWICK_VERSION));
    verifyInvariants(model);
}

void TestBudgetModel::preferenceDefaults()
{
    MyDataSource model;
    cwUserDefaults& defaults = cwUserDefaults::standardUserDefaults();
    QVERIFY(defaults.boolForKey("SortData"));
    for (const char* key : {"SyncData", "SVNRunScript", "EnvelopeView", "EnvelopeCarryOver"})
        QVERIFY2(!defaults.boolForKey(key), key);
    QCOMPARE(defaults.stringForKey("DataFile"), QString(""));
    QCOMPARE(defaults.stringForKey("CurrentVersion"), QString(""));

    // A stored value wins over the default and survives a new store.
    defaults.setBool(false, "SortData");
    defaults.setObject("/tmp/a.txt", "DataFile");
    QSettings stored(QSettings::NativeFormat, QSettings::UserScope, "Coinwick", "Coinwick");
    QVERIFY(stored.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    QCOMPARE(stored.value("DataFile").toString(), QString("/tmp/a.txt"));
    QVERIFY(!defaults.boolForKey("SortData"));
    defaults.setBool(true, "SortData");
    defaults.setObject("", "DataFile");
}

void TestBudgetModel::monthLookups_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("friendly");
    QTest::newRow("first") << "jan" << 0 << "January";
    QTest::newRow("may") << "may" << 4 << "May";
    QTest::newRow("last") << "dec" << 11 << "December";
    QTest::newRow("capital letter") << "Jan" << 0 << QString();
    QTest::newRow("not a month") << "average" << 0 << QString();
}

void TestBudgetModel::monthLookups()
{
    QFETCH(QString, id);
    QFETCH(int, index);
    QFETCH(QString, friendly);
    MyDataSource model;
    QCOMPARE(model.monthIndex(id), index);
    QCOMPARE(model.monthFriendlyName(id), friendly);
    QCOMPARE(model.monthFriendlyName(id).isNull(), friendly.isNull());
    QCOMPARE(model.monthIdString(index), index == 0 ? QString("jan") : id);
    QCOMPARE(model.monthIdString(12), QString("jan"));
    QCOMPARE(model.monthIdString(-1), QString("jan"));
    QCOMPARE(model.monthNames()[8], QString("Sep"));
}

void TestBudgetModel::createRefusesEmptyAndTakenNames()
{
    StartedModel started;
    MyDataSource& model = started.model;
    QCOMPARE(model.createCategory("Food", "0"), 1);
    addEntry(model, "Food", "jan", "3", "12.50");
    const QList<cwRecord> rowsBefore = model.getCatArray();
    const cwCategoryData dataBefore = model.getCatDataDictionary();

    QCOMPARE(model.createCategory("", "0"), 0);
    QCOMPARE(model.createCategory("Food", "0"), 0);
    QCOMPARE(model.getCatArray(), rowsBefore);
    QCOMPARE(model.getCatDataDictionary(), dataBefore);
    verifyInvariants(model);
}

void TestBudgetModel::newCategoryHasTwelveEnvelopeLists()
{
    StartedModel started;
    MyDataSource& model = started.model;
    QCOMPARE(model.createCategory("Rent", "0"), 1);
    QCOMPARE(names(model).last(), QString("Rent"));
    const cwRecord& row = model.getCatArray().last();
    QCOMPARE(row.size(), 14);
    QCOMPARE(row.value("average"), QString("0"));
    const cwRecord envelope{{"day", "0"}, {"amount", "0"}, {"desc", "__ENVELOPE__"}, {"note", ""}, {"reconciled", " "}};
    const cwMonthMap months = model.getCatDataDictionary().value("Rent");
    QCOMPARE(months.keys(), QStringList({"apr", "aug", "dec", "feb", "jan", "jul", "jun", "mar", "may", "nov", "oct", "sep"}));
    for (const cwMonthList& list : months)
        QCOMPARE(list, cwMonthList{envelope});
    verifyInvariants(model);
}

void TestBudgetModel::uniqueNames()
{
    StartedModel started;
    MyDataSource& model = started.model;
    QCOMPARE(model.uniqueCategoryName("New Category"), QString("New Category"));
    model.createCategory(model.uniqueCategoryName("New Category"), "0");
    model.createCategory(model.uniqueCategoryName("New Category"), "0");
    model.createCategory(model.uniqueCategoryName("New Category"), "0");
    QCOMPARE(names(model).mid(3), QStringList({"New Category", "New Category 2", "New Category 3"}));
    // Fixed rows hold no month map, so their names do not count as taken; a name's own "%1" stays.
    QCOMPARE(model.uniqueCategoryName("Budget"), QString("Budget"));
    model.createCategory("50%1 off", "0");
    QCOMPARE(model.uniqueCategoryName("50%1 off"), QString("50%1 off 2"));
    verifyInvariants(model);
}

void TestBudgetModel::renameKeepsData()
{
    StartedModel started;
    MyDataSource& model = started.model;
    model.createCategory("Food", "0");
    model.createCategory("Rent", "0");
    addEntry(model, "Food", "mar", "4", "20");
    model.getCatDataDictionary()["Food"]["mar"][0]["amount"] = "150.00";
    model.updateView();
    const cwMonthMap foodMonths = model.getCatDataDictionary().value("Food");
    cwRecord foodRow = model.getCatArray()[3];

    QVERIFY(model.renameCategoryChecked(3, "Groceries", nullptr));
    QVERIFY(model.takeHeadlessAlerts().isEmpty());
    QCOMPARE(names(model).mid(3), QStringList({"Groceries", "Rent"}));
    QVERIFY(!model.getCatDataDictionary().contains("Food"));
    QCOMPARE(model.getCatDataDictionary().value("Groceries"), foodMonths);
    foodRow["desc"] = "Groceries";
    QCOMPARE(model.getCatArray()[3], foodRow);
    model.updateView();
    QCOMPARE(model.getCatArray()[3].value("mar"), QString("20"));
    verifyInvariants(model);
}

void TestBudgetModel::renameRefusals_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("alert");
    QTest::newRow("taken") << "Rent" << false
                           << "A category named <Rent> already exists.\nPlease choose another name.";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("unchanged") << "Food" << true << "";
}

void TestBudgetModel::renameRefusals()
{
    QFETCH(QString, newName);
    QFETCH(bool, answer);
    QFETCH(QString, alert);
    StartedModel started;
    MyDataSource& model = started.model;
    model.createCategory("Food", "0");
    model.createCategory("Rent", "0");
    addEntry(model, "Food", "jan", "1", "5");
    addEntry(model, "Rent", "jan", "1", "900");
    const cwCategoryData dataBefore = model.getCatDataDictionary();

    QCOMPARE(model.renameCategoryChecked(3, newName, nullptr), answer);
    const QList<MyDataSource::HeadlessAlert> alerts = model.takeHeadlessAlerts();
    if (alert.isEmpty()) {
        QVERIFY(alerts.isEmpty());
    } else {
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts[0].title, QString("Duplicate Category"));
        QCOMPARE(alerts[0].message, alert);
    }
    QCOMPARE(names(model).mid(3), QStringList({"Food", "Rent"}));
    QCOMPARE(model.getCatDataDictionary(), dataBefore);
}

void TestBudgetModel::deleteRaisesRemain()
{
    StartedModel started;
    MyDataSource& model = started.model;
    model.getMonthlyBudget()["jan"] = "2000";
    model.getMonthlyBudget()["feb"] = "1000";
    model.createCategory("Food", "0");
    model.createCategory("Rent", "0");
    model.createCategory("Fun", "0");
    addEntry(model, "Food", "jan", "2", "100.50");
    addEntry(model, "Rent", "jan", "1", "900");
    addEntry(model, "Rent", "feb", "1", "900");
    model.updateView();
    QCOMPARE(model.getCatArray()[1].value("jan"), QString("999.5"));
    QCOMPARE(model.getCatArray()[1].value("feb"), QString("100"));

    model.deleteCategoryByIndex(4);
    QCOMPARE(names(model), QStringList({"Budget", "Remain", "-----", "Food", "Fun"}));
    QVERIFY(!model.getCatDataDictionary().contains("Rent"));
    QCOMPARE(model.getCatArray()[1].value("jan"), QString("1899.5"));
    QCOMPARE(model.getCatArray()[1].value("feb"), QString("1000"));
    verifyInvariants(model);
}

void TestBudgetModel::deletingLastCategoryLeavesRemainEqualToBudget()
{
    for (bool envelope : {false, true}) {
        StartedModel started;
        MyDataSource& model = started.model;
        model.setEnvelopeMode(envelope);
        model.getMonthlyBudget()["jan"] = "2000";
        model.getMonthlyBudget()["jun"] = "12.5";
        model.createCategory("Food", "0");
        addEntry(model, "Food", "jan", "2", "100.50");
        model.getCatDataDictionary()["Food"]["jun"][0]["amount"] = "40.00";
        model.updateView();
        model.deleteCategoryByIndex(3);
        QCOMPARE(names(model), QStringList({"Budget", "Remain", "-----"}));
        for (const QString& month : model.monthIds()) {
            const QString budget = model.getCatArray()[0].value(month);
            QCOMPARE(budget, envelope ? QString("0") : model.getMonthlyBudget().value(month));
            QCOMPARE(model.getCatArray()[1].value(month), budget);
        }
        verifyInvariants(model);
    }
}

CW_TEST_MAIN(TestBudgetModel)
#include "TestBudgetModel.moc"
