#include "MyDataSource.h"
#include "cwNumberText.h"
#include "cwURLFormat.h"
#include "cwUserDefaults.h"
#include "support/cwTestMain.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>

// The data file: the writer's bytes, the reader's model, its failures and its mends.
class TestDataFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void workedExampleIsWrittenByteForByte();
    void workedExampleReadsBack();
    void modelWithoutCategories();
    void readerRules_data();
    void readerRules();
    void sortDataOffKeepsFileOrder();
    void eraseThenLoadAgain();
    void failures_data();
    void failures();
    void roundTripOfRandomModels();
    void mutatedFilesNeverBreakTheModel();

private:
    QString writeFile(const QByteArray& bytes);
    QTemporaryDir _dir;
};

namespace {

const QString kFixture = QStringLiteral(COINWICK_TEST_DATA "/groceries.txt");

struct StartedModel
{
    StartedModel() { model.createFixedRows(); }
    ~StartedModel() { model.takeHeadlessAlerts(); }
    MyDataSource model;
};

cwRecord entry(const QString& day, const QString& amount, const QString& desc, const QString& note,
               const QString& reconciled)
{
    return {{"day", day}, {"amount", amount}, {"desc", desc}, {"note", note}, {"reconciled", reconciled}};
}

cwRecord envelope(const QString& amount)
{
    return entry("0", amount, "__ENVELOPE__", "", " ");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The model the worked example describes.
void buildGroceries(MyDataSource& model)
{
    for (const QString& month : model.monthIds())
        model.getMonthlyBudget()[month] = "2500";
    model.createCategory("Groceries", "0");
    model.getCatDataDictionary()["Groceries"]["jan"].append(entry("3", "45.20", "Market", "weekly", "R"));
}

// The file text of the budget lines and one category whose months are given as entry lines.
QByteArray fileText(const QStringList& categoryLines)
{
    QStringList lines{"; ****** MONTHLY_BUDGET ******", "Ver 1"};
    for (int m = 0; m < 12; ++m)
        lines.append(QString::number(100 + m));
    lines += categoryLines;
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

// A category block whose January holds the given lines and whose other months are empty.
QStringList category(const QString& name, const QStringList& january)
{
    QStringList lines{name};
    lines += january;
    for (int m = 1; m < 12; ++m)
        lines += QStringList{"0"};
    return lines;
}

}  // namespace

void TestDataFile::init()
{
    cwUserDefaults::standardUserDefaults().setBool(true, "SortData");
}

QString TestDataFile::writeFile(const QByteArray& bytes)
{
    const QString path = _dir.filePath("data.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestDataFile::workedExampleIsWrittenByteForByte()
{
    StartedModel started;
    buildGroceries(started.model);
    const QByteArray fixture = readFile(kFixture);
    QCOMPARE(fixture.count("\r\n"), 79);
    QCOMPARE(started.model.buildData(), fixture);
}

void TestDataFile::workedExampleReadsBack()
{
    StartedModel expected;
    buildGroceries(expected.model);
    for (cwMonthMap& months : expected.model.getCatDataDictionary())
        for (cwMonthList& list : months)
            list[0]["amount"] = "0.00";
    expected.model.updateView();

    StartedModel loaded;
    QSignalSpy noted(&loaded.model, &MyDataSource::recentDocumentNoted);
    loaded.model.loadFile(kFixture);
    QVERIFY(loaded.model.takeHeadlessAlerts().isEmpty());
    QCOMPARE(loaded.model.getMonthlyBudget(), expected.model.getMonthlyBudget());
    QCOMPARE(loaded.model.getCatDataDictionary(), expected.model.getCatDataDictionary());
    QCOMPARE(loaded.model.getCatArray(), expected.model.getCatArray());
    QCOMPARE(loaded.model.getCatArray()[1].value("jan"), QString("2454.8"));
    QCOMPARE(noted.size(), 1);
    QCOMPARE(noted[0][0].toUrl(), QUrl::fromLocalFile(kFixture));
}

void TestDataFile::modelWithoutCategories()
{
    StartedModel started;
    started.model.getMonthlyBudget()["mar"] = "1500.50";
    const QByteArray bytes = started.model.buildData();
    QCOMPARE(bytes.count("\r\n"), 14);
    QVERIFY(bytes.startsWith("; ****** MONTHLY_BUDGET ******\r\nVer 1\r\n0\r\n0\r\n1500.50\r\n"));

    StartedModel loaded;
    loaded.model.loadFile(writeFile(bytes));
    QCOMPARE(loaded.model.getMonthlyBudget().value("mar"), QString("1500.50"));
    QCOMPARE(loaded.model.getCatArray().size(), 3);
    QVERIFY(loaded.model.getCatDataDictionary().isEmpty());
}

void TestDataFile::readerRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<cwMonthList>("january");  // of the first category
    const cwRecord fresh = envelope("0");

    QTest::newRow("pieces of amount and day lines")
        << fileText(category("Food", {"3", "7.5", "0", "__ENVELOPE__", "abc", "9\t", "shop", "1\tR\tx", "2\ta\tb\tc", "more"}))
        << QStringList{"Food"}
        << cwMonthList{entry("0", "7.50", "__ENVELOPE__", "", " "), entry("2", "1.00", "more", "a b c", "R"),
                       entry("9", "0.00", "shop", "", " ")};
    QTest::newRow("comment lines anywhere")
        << fileText(QStringList{"; x", "Food", "; y", "1", "5\tR", "; between", "0\t", "__ENVELOPE__", "; z"}
                    + category("", {}).mid(1))
        << QStringList{"Food"} << cwMonthList{entry("0", "5.00", "__ENVELOPE__", "", "R")};
    QTest::newRow("first entry not the envelope")
        << fileText(category("Food", {"2", "5\t ", "3\t", "bread", "6\t ", "4\t", "milk"}))
        << QStringList{"Food"}
        << cwMonthList{fresh, entry("3", "5.00", "bread", "", " "), entry("4", "6.00", "milk", "", " ")};
    QTest::newRow("sorted by day, envelope first whatever the days")
        << fileText(category("Food", {"4", "9\t ", "0\t", "__ENVELOPE__", "1\t ", "12\t", "b", "2\t ", "-1\t", "c",
                                      "3\t ", "0\t", "d"}))
        << QStringList{"Food"}
        << cwMonthList{envelope("9.00"), entry("-1", "2.00", "c", "", " "), entry("0", "3.00", "d", "", " "),
                       entry("12", "1.00", "b", "", " ")};
    QTest::newRow("empty name reads and drops its entries")
        << fileText(category("", {"2", "0\t ", "0\t", "__ENVELOPE__", "1\t ", "5\t", "lost"})
                    + category("Rent", {"2", "0\t ", "0\t", "__ENVELOPE__", "8\t ", "1\t", "kept"}))
        << QStringList{"Rent"} << cwMonthList{envelope("0.00"), entry("1", "8.00", "kept", "", " ")};
    QTest::newRow("a name twice keeps both")
        << fileText(category("Food", {"2", "0\t ", "0\t", "__ENVELOPE__", "1\t ", "5\t", "first"})
                    + category("Food", {"2", "0\t ", "0\t", "__ENVELOPE__", "2\t ", "6\t", "second"}))
        << QStringList{"Food", "Food 2"} << cwMonthList{envelope("0.00"), entry("5", "1.00", "first", "", " ")};
    QTest::newRow("count not a number gives no entries")
        << fileText(category("Food", {"x"}) + category("Rent", {"-2"})) << QStringList{"Food", "Rent"}
        << cwMonthList{fresh};
    QTest::newRow("ends inside an entry")
        << fileText({"Food", "3", "0\t ", "0\t", "__ENVELOPE__", "1\t ", "5\t", "kept", "2\t "}).chopped(2)
        << QStringList{"Food"} << cwMonthList{envelope("0.00"), entry("5", "1.00", "kept", "", " ")};
    QTest::newRow("huge count at the end")
        << fileText({"Food", "99999999999", "1\t ", "0\t", "__ENVELOPE__"}) << QStringList{"Food"}
        << cwMonthList{envelope("1.00")};
}

void TestDataFile::readerRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    QFETCH(cwMonthList, january);
    StartedModel started;
    MyDataSource& model = started.model;
    model.loadFile(writeFile(bytes));
    QVERIFY(model.takeHeadlessAlerts().isEmpty());
    QStringList loadedNames;
    for (const cwRecord& row : model.getCatArray().mid(3))
        loadedNames.append(row.value("desc"));
    QCOMPARE(loadedNames, names);
    QCOMPARE(model.getCatDataDictionary().value(names[0]).value("jan"), january);
    QCOMPARE(model.getMonthlyBudget().value("dec"), QString("111"));
    if (names.contains("Food 2")) {
        const cwMonthList second = model.getCatDataDictionary().value("Food 2").value("jan");
        QCOMPARE(second, (cwMonthList{envelope("0.00"), entry("6", "2.00", "second", "", " ")}));
    }
}

void TestDataFile::sortDataOffKeepsFileOrder()
{
    cwUserDefaults::standardUserDefaults().setBool(false, "SortData");
    StartedModel started;
    started.model.loadFile(writeFile(fileText(
        category("Food", {"3", "9\t ", "0\t", "__ENVELOPE__", "1\t ", "12\t", "b", "2\t ", "3\t", "c"}))));
    QCOMPARE(started.model.getCatDataDictionary().value("Food").value("jan"),
             (cwMonthList{envelope("9.00"), entry("12", "1.00", "b", "", " "), entry("3", "2.00", "c", "", " ")}));
}

// Opening a file erases the model first; the same file read again gives the same model.
void TestDataFile::eraseThenLoadAgain()
{
    StartedModel started;
    MyDataSource& model = started.model;
    model.setFileName(kFixture);
    model.loadFile(kFixture);
    model.createCategory("Extra", "0");
    const cwCategoryData loaded = model.getCatDataDictionary();

    model.eraseAllData();
    QCOMPARE(model.getCatArray().size(), 3);
    QVERIFY(model.getCatDataDictionary().isEmpty());
    for (const QString& month : model.monthIds()) {
        QCOMPARE(model.getMonthlyBudget().value(month), QString("0"));
        QCOMPARE(model.getCatArray()[0].value(month), QString("0"));
        QCOMPARE(model.getCatArray()[1].value(month), QString("0"));
    }
    QCOMPARE(cwUserDefaults::standardUserDefaults().stringForKey("DataFile"), kFixture);

    model.loadFile(kFixture);
    QCOMPARE(model.getCatDataDictionary().keys(), QStringList{"Groceries"});
    QCOMPARE(model.getCatDataDictionary().value("Groceries"), loaded.value("Groceries"));
    QCOMPARE(model.getCatArray()[1].value("jan"), QString("2454.8"));
}

void TestDataFile::failures_data()
{
    QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
    QTest::addColumn<bool>("missing");
    QTest::newRow("missing file") << QByteArray() << true;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("comments only") << QByteArray("; a\r\n; b") << false;
    QTest::newRow("trailing space") << QByteArray("Ver 1 \r\n0\r\n") << false;
    QTest::newRow("lower-case v") << QByteArray("ver 1\r\n0\r\n") << false;
    QTest::newRow("older layout") << QByteArray("2500\r\n2500\r\n") << false;
}

void TestDataFile::failures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, missing);
    const QString path = missing ? _dir.filePath("nothing here.txt") : writeFile(bytes);
    StartedModel started;
    MyDataSource& model = started.model;
    model.setFileName(path);
    QSignalSpy noted(&model, &MyDataSource::recentDocumentNoted);
    const QList<cwRecord> rowsBefore = model.getCatArray();

    model.loadFile(path);
    const QList<MyDataSource::HeadlessAlert> alerts = model.takeHeadlessAlerts();
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].title, QString("WARNING"));
    QCOMPARE(alerts[0].message, missing ? QString("Source File %1 not found!\n").arg(path)
                                        : QString("Selected file is NOT a valid data file\n"));
    QCOMPARE(noted.size(), missing ? 0 : 1);
    QCOMPARE(cwUserDefaults::standardUserDefaults().stringForKey("DataFile"), QString(""));
    QCOMPARE(model.getCatArray(), rowsBefore);
    QCOMPARE(model.getMonthlyBudget().value("jan"), QString("0"));
}

// Random models of everything the editors can produce are written and read back unchanged,
// up to what the format itself changes: amounts become "%.2f" and a TAB in a note a space.
void TestDataFile::roundTripOfRandomModels()
{
    cwUserDefaults::standardUserDefaults().setBool(false, "SortData");
    QRandomGenerator random(20261211);
    const QStringList words{"Café", "rent", "€uro", "a\tb", " lead", "trail ", "Ölmühle", "50%", "x;y", "日本", ""};
    auto text = [&](int parts) {
        QStringList pieces;
        for (int i = 0; i < parts; ++i)
            pieces.append(words[random.bounded(words.size())]);
        return pieces.join(' ');
    };
    auto amount = [&] {
        const QString whole = QString::number(random.bounded(100000));
        const QString cents = QString::number(random.bounded(100)).rightJustified(2, '0');
        const QStringList forms{whole, whole + "." + cents, "-" + whole + "." + cents, whole + ".5", "0", "0.00"};
        return forms[random.bounded(forms.size())];
    };
    for (int round = 0; round < 40; ++round) {
        StartedModel original;
        MyDataSource& model = original.model;
        for (const QString& month : model.monthIds())
            model.getMonthlyBudget()[month] = amount();
        const int categories = random.bounded(6);
        for (int c = 0; c < categories; ++c) {
            const QString name = model.uniqueCategoryName(QString::number(c) + text(1 + random.bounded(2)));
            QCOMPARE(model.createCategory(name, "0"), 1);
            for (cwMonthList& list : model.getCatDataDictionary()[name]) {
                list[0]["amount"] = amount();
                const int entries = random.bounded(3) == 0 ? 0 : random.bounded(5);
                for (int e = 0; e < entries; ++e)
                    list.append(entry(QString::number(1 + random.bounded(31)), amount(), "d" + text(random.bounded(4)),
                                      text(random.bounded(3)), random.bounded(2) ? "R" : " "));
            }
        }
        const QByteArray bytes = model.buildData();

        StartedModel loaded;
        loaded.model.loadFile(writeFile(bytes));
        QVERIFY(loaded.model.takeHeadlessAlerts().isEmpty());
        cwCategoryData expected = model.getCatDataDictionary();
        for (cwMonthMap& months : expected)
            for (cwMonthList& list : months)
                for (cwRecord& e : list) {
                    e["amount"] = validCurrency(e["amount"]);
                    e["note"].replace('\t', ' ');
                }
        QCOMPARE(loaded.model.getMonthlyBudget(), model.getMonthlyBudget());
        QCOMPARE(loaded.model.getCatDataDictionary(), expected);
        for (int row = 3; row < model.getCatArray().size(); ++row)
            QCOMPARE(loaded.model.getCatArray()[row].value("desc"), model.getCatArray()[row].value("desc"));
        QCOMPARE(loaded.model.buildData(), loaded.model.buildData());
    }
}

// Truncated and mutated versions of a real file: the reader never crashes or hangs, and
// every category keeps twelve month lists that begin with the envelope entry.
void TestDataFile::mutatedFilesNeverBreakTheModel()
{
    StartedModel source;
    buildGroceries(source.model);
    source.model.createCategory("Rent", "0");
    source.model.getCatDataDictionary()["Rent"]["feb"].append(entry("1", "900", "April", "", " "));
    const QByteArray original = source.model.buildData();
    const QByteArray noise("\r\n\t;0-9.R ");
    QRandomGenerator random(7);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = original;
        const int edits = 1 + random.bounded(4);
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const int at = random.bounded(int(bytes.size()));
            switch (random.bounded(5)) {
            case 0: bytes.truncate(at); break;
            case 1: bytes.remove(at, 1 + random.bounded(12)); break;
            case 2: bytes.insert(at, noise[random.bounded(int(noise.size()))]); break;
            case 3: bytes[at] = char(random.bounded(256)); break;
            case 4: bytes.insert(at, QByteArray::number(random.bounded(-5, 1000000))); break;
            }
        }
        StartedModel loaded;
        MyDataSource& model = loaded.model;
        model.loadFile(writeFile(bytes));
        QCOMPARE(model.getCatArray().size() - 3, model.getCatDataDictionary().size());
        for (const cwMonthMap& months : model.getCatDataDictionary()) {
            QCOMPARE(months.size(), 12);
            for (const cwMonthList& list : months) {
                QVERIFY(!list.isEmpty());
                QCOMPARE(list[0].value("desc"), QString("__ENVELOPE__"));
                for (const cwRecord& e : list)
                    QCOMPARE(e.keys(), QStringList({"amount", "day", "desc", "note", "reconciled"}));
            }
        }
    }
}

CW_TEST_MAIN(TestDataFile)
#include "TestDataFile.moc"
