#include "cwEntryComparator.h"

#include <QTest>

class TestEntryComparator : public QObject
{
    Q_OBJECT

private slots:
    void compare_data();
    void compare();
    void sortOrdersByKey_data();
    void sortOrdersByKey();
    void sortKeepsOrderOfManyEqualEntries_data();
    void sortKeepsOrderOfManyEqualEntries();
};

namespace {

cwRecord entry(const QString& day, const QString& amount, const QString& desc = QString(),
               const QString& note = QString(), const QString& category = QString())
{
    return {{"day", day},   {"amount", amount},     {"desc", desc},
            {"note", note}, {"reconciled", " "}, {"category", category}};
}

}  // namespace

void TestEntryComparator::compare_data()
{
    QTest::addColumn<cwRecord>("a");
    QTest::addColumn<cwRecord>("b");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");

    auto row = [](const char* name, const cwRecord& a, const cwRecord& b, const QString& key, int expected) {
        QTest::newRow(name) << a << b << key << expected;
    };

    row("amount: negative before zero", entry("9", "-5.00"), entry("1", "0"), "amount", -1);
    row("amount: zero before positive", entry("9", "0"), entry("1", "2.50"), "amount", -1);
    row("amount: equal amounts by day", entry("3", "2.50"), entry("7", "2.50"), "amount", -1);
    row("amount: equal amount and day", entry("3", "2.50", "x"), entry("3", "2.5", "y"), "amount", 0);
    row("amount: read as a number, not as text", entry("1", "10.00"), entry("1", "9.00"), "amount", 1);
    row("amount: closer than single precision is equal", entry("2", "0.1"), entry("1", "0.100000001"), "amount", 1);

    row("day: read as a number, not as text", entry("2", "50"), entry("10", "1"), "day", -1);
    row("day: equal days by amount", entry("5", "12.00"), entry("5", "-3.00"), "day", 1);
    row("day: equal day and amount", entry("5", "1", "b"), entry("5", "1", "a"), "day", 0);
    row("day: envelope entry first", entry("0", "900"), entry("1", "-900"), "day", -1);
    row("day: text ignored", entry("4", "1", "a", "a", "a"), entry("4", "1", "b", "b", "b"), "day", 0);

    row("desc: capitals before small letters", entry("1", "1", "Zoo"), entry("1", "1", "apple"), "desc", -1);
    row("desc: by character code", entry("1", "1", "10"), entry("1", "1", "9"), "desc", -1);
    row("desc: text before day", entry("30", "1", "a"), entry("1", "1", "b"), "desc", -1);
    row("desc: equal text by day", entry("30", "1", "a"), entry("1", "1", "a"), "desc", 1);
    row("desc: equal text and day by amount", entry("1", "7", "a"), entry("1", "8", "a"), "desc", -1);
    row("note: compared", entry("1", "1", "", "b"), entry("1", "1", "", "a"), "note", 1);
    row("note: equal everywhere", entry("1", "1", "x", "a"), entry("1", "1", "y", "a"), "note", 0);
    row("category: compared", entry("9", "1", "", "", "Food"), entry("1", "1", "", "", "Rent"), "category", -1);
    row("category: equal by day", entry("9", "1", "", "", "Food"), entry("1", "1", "", "", "Food"), "category", 1);

    row("other key: equal", entry("1", "1", "a"), entry("9", "9", "b"), "reconciled", 0);
    row("empty key: equal", entry("1", "1", "a"), entry("9", "9", "b"), "", 0);
    row("key is case-sensitive", entry("1", "1"), entry("9", "9"), "Day", 0);
}

void TestEntryComparator::compare()
{
    QFETCH(cwRecord, a);
    QFETCH(cwRecord, b);
    QFETCH(QString, key);
    QFETCH(int, expected);

    QCOMPARE(cwEntryCompare(a, b, key), expected);
    QCOMPARE(cwEntryCompare(b, a, key), -expected);
}

void TestEntryComparator::sortOrdersByKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("expectedDescs");

    // "b2" and "b1" are equal by day and by amount: those sorts keep their input order.
    QTest::newRow("day") << "day" << QStringList{"env", "c", "b2", "b1", "a", "d"};
    QTest::newRow("amount") << "amount" << QStringList{"d", "env", "c", "b2", "b1", "a"};
    QTest::newRow("desc") << "desc" << QStringList{"a", "b1", "b2", "c", "d", "env"};
    QTest::newRow("other key keeps the order") << "reconciled" << QStringList{"a", "b2", "d", "env", "b1", "c"};
}

void TestEntryComparator::sortOrdersByKey()
{
    QFETCH(QString, key);
    QFETCH(QStringList, expectedDescs);

    QList<cwRecord> entries{entry("10", "5.00", "a"), entry("2", "3.00", "b2"), entry("31", "-20.00", "d"),
                            entry("0", "0", "env"),   entry("2", "3.00", "b1"), entry("2", "1.00", "c")};
    cwSortEntries(entries, key);

    QStringList descs;
    for (const cwRecord& e : std::as_const(entries))
        descs << e.value("desc");
    QCOMPARE(descs, expectedDescs);
}

void TestEntryComparator::sortKeepsOrderOfManyEqualEntries_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("day") << "day";
    QTest::newRow("amount") << "amount";
    QTest::newRow("note") << "note";
}

void TestEntryComparator::sortKeepsOrderOfManyEqualEntries()
{
    QFETCH(QString, key);

    // Enough entries that a sort cannot fall back on a small-list insertion sort, which is stable anyway.
    QList<cwRecord> entries;
    QStringList order;
    for (int i = 0; i < 64; ++i) {
        const QString desc = QString::number(i * 37 % 64);
        entries << entry("5", "1.50", desc, "same");
        order << desc;
    }
    entries.insert(20, entry("4", "1.50", "first", "a"));
    cwSortEntries(entries, key);

    QCOMPARE(entries.takeFirst().value("desc"), QStringLiteral("first"));
    QStringList descs;
    for (const cwRecord& e : std::as_const(entries))
        descs << e.value("desc");
    QCOMPARE(descs, order);
}

QTEST_APPLESS_MAIN(TestEntryComparator)
#include "TestEntryComparator.moc"
