#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "MyDataSource.h"
#include "cwCheckViewCtrl.h"
#include "cwCheckViewData.h"
#include "cwTableView.h"
#include "cwUserDefaults.h"
#include "support/cwSheetAnswerer.h"
#include "support/cwTestMain.h"

// The register in the program's own main window, where every question is a real sheet that
// is answered through its buttons, both ways.
class TestRegisterWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void deleteAnsweredBothWays();
    void carryOverAnsweredBothWays();
    void openEditIsCountedWhenTheBudgetTabShows();

private:
    QPushButton* button(const char* name) const;
    QStringList descriptions() const;
    cwMonthList& list(const QString& category, const QString& month);

    MyDataSource* _source = nullptr;
    cwCheckViewData* _data = nullptr;
    cwTableView* _table = nullptr;
};

QPushButton* TestRegisterWindow::button(const char* name) const
{
    return _source->getMainWindow()->findChild<QPushButton*>(name);
}

QStringList TestRegisterWindow::descriptions() const
{
    QStringList values;
    for (int row = 0; row < _data->count(); ++row)
        values.append(_data->entryAtRow(row).value("desc"));
    return values;
}

cwMonthList& TestRegisterWindow::list(const QString& category, const QString& month)
{
    return _source->getCatDataDictionary()[category][month];
}

void TestRegisterWindow::initTestCase()
{
    // No about sheet: this is not the first start of this version.
    cwUserDefaults::standardUserDefaults().setObject(QString(COINWICK_VERSION), "CurrentVersion");
}

void TestRegisterWindow::init()
{
    _source = new MyDataSource;
    QVERIFY(_source->loadMainWindow());
    _source->createCategory("Food", "0");
    _source->createCategory("Rent", "0");
    _source->getMonthlyBudget()["mar"] = "1000";
    list("Food", "mar").append({{"day", "3"}, {"amount", "20.00"}, {"desc", "Bakery"}, {"note", ""}, {"reconciled", "R"}});
    list("Food", "mar").append({{"day", "9"}, {"amount", "30.00"}, {"desc", "Market"}, {"note", "weekly"}, {"reconciled", "R"}});
    list("Rent", "mar").append({{"day", "1"}, {"amount", "900.00"}, {"desc", "Landlord"}, {"note", ""}, {"reconciled", " "}});
    _source->getMainWindow()->findChild<QTabWidget*>("_ourTabView")->setCurrentIndex(1);
    cwCheckViewCtrl* view = _source->getCheckView();
    _data = view->getTableViewSource();
    _table = view->getTableView();
    while (view->getMonthIndex() > 2)
        button("registerPrevious")->click();
    while (view->getMonthIndex() < 2)
        button("registerNext")->click();
    QCOMPARE(descriptions(), QStringList({"Landlord", "Bakery", "Market"}));
}

void TestRegisterWindow::cleanup()
{
    const QStringList failures = cwSheetAnswerer::instance().takeFailures();
    delete _source;
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestRegisterWindow::deleteAnsweredBothWays()
{
    auto& answers = cwSheetAnswerer::instance();
    answers.expect("Error", "Please select item(s) to delete.", "OK");
    button("registerDelete")->click();

    _table->selectRow(0);
    _table->selectRow(2, true);
    answers.expect("Confirm Delete", "Are you sure you want to delete selected item(s)?", "Cancel");
    button("registerDelete")->click();
    QCOMPARE(descriptions(), QStringList({"Landlord", "Bakery", "Market"}));
    QVERIFY(_table->selectedRows().isEmpty());

    _table->selectRow(0);
    _table->selectRow(2, true);
    answers.expect("Confirm Delete", QString(), "OK");
    button("registerDelete")->click();
    QCOMPARE(descriptions(), QStringList({"Bakery"}));
    QCOMPARE(_source->getMainWindow()->findChild<QLabel*>("registerRemainAmount")->text(), QString("980"));
    QVERIFY(answers.allAnswered());
}

void TestRegisterWindow::carryOverAnsweredBothWays()
{
    auto& answers = cwSheetAnswerer::instance();
    answers.expect("Error", "Please select item(s) to carry-over.", "OK");
    button("registerCarryOver")->click();

    _table->selectRow(1);
    _table->selectRow(2, true);
    answers.expect("Confirm Carry-Over", "Insert data into April ?", "Cancel");
    button("registerCarryOver")->click();
    QCOMPARE(list("Food", "apr").size(), 1);

    answers.expect("Confirm Carry-Over", "Insert data into April ?", "OK");
    button("registerCarryOver")->click();
    const cwMonthList& april = list("Food", "apr");
    QCOMPARE(april.size(), 3);
    QCOMPARE(april.at(2), cwRecord({{"day", "9"}, {"amount", "30.00"}, {"desc", "Market"}, {"note", ""}, {"reconciled", " "}}));
    QCOMPARE(list("Food", "mar").size(), 3);
    QCOMPARE(_table->selectedRows(), QList<int>({1, 2}));
    QVERIFY(answers.allAnswered());
}

void TestRegisterWindow::openEditIsCountedWhenTheBudgetTabShows()
{
    const int amount = _table->columnWithIdentifier("amount");
    _table->editColumn(amount, 1, true);
    auto* editor = qobject_cast<QLineEdit*>(_table->indexWidget(_table->model()->index(1, amount)));
    QVERIFY(editor);
    editor->setText("120");
    _source->getMainWindow()->findChild<QTabWidget*>("_ourTabView")->setCurrentIndex(0);
    QCOMPARE(list("Food", "mar").at(1).value("amount"), QString("120.00"));
    QCOMPARE(_source->getCatArray().at(3).value("mar"), QString("150"));
    QCOMPARE(_source->getCatArray().at(1).value("mar"), QString("-50"));
}

CW_TEST_MAIN(TestRegisterWindow)

#include "TestRegisterWindow.moc"
