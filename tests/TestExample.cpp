#include <QFile>

#include "MyDataSource.h"
#include "cwUserDefaults.h"
#include "support/cwTestMain.h"

// The example year in examples/ is one the program wrote itself: reading it and writing it
// again gives the same bytes, and it holds what a newcomer should see in a living budget.
class TestExample : public QObject
{
    Q_OBJECT

private slots:
    void exampleYear();
};

void TestExample::exampleYear()
{
    const QString path = QStringLiteral(COINWICK_TEST_DATA "/../../examples/household-2026.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();

    MyDataSource model;
    model.createFixedRows();
    model.loadFile(path);
    QCOMPARE(model.takeHeadlessAlerts().size(), 0);
    QCOMPARE(model.buildData(), bytes);

    QCOMPARE(model.getCatArray().size(), 3 + 12);
    int entries = 0;
    int reconciled = 0;
    int deposits = 0;
    for (const cwMonthMap& months : model.getCatDataDictionary()) {
        for (const cwMonthList& list : months) {
            for (qsizetype i = 1; i < list.size(); ++i) {
                ++entries;
                reconciled += list[i].value("reconciled") == "R";
                deposits += list[i].value("amount").startsWith('-');
            }
        }
    }
    QVERIFY(entries >= 200);
    QVERIFY(reconciled > entries / 2 && reconciled < entries);
    QVERIFY(deposits >= 3);
    for (const QString& month : model.monthIds())
        QVERIFY(model.getMonthlyBudget().value(month).toInt() > 0);
}

CW_TEST_MAIN(TestExample)
#include "TestExample.moc"
