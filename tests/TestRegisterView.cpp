#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>

#include "MyDataSource.h"
#include "cwCategoryEditWinCtrl.h"
#include "cwCheckViewCtrl.h"
#include "cwCheckViewData.h"
#include "cwTableView.h"
#include "support/cwSheetAnswerer.h"
#include "support/cwTestMain.h"
#include "ui_MainMenu.h"

// The register tab through its real widgets: month navigation, header clicks, the check box and
// combo box cells, the buttons and the sheets they open.
class TestRegisterView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensTheCurrentMonthSortedByDay();
    void headerClickSorts_data();
    void headerClickSorts();
    void navigationStopsAtTheEndsOfTheYear();
    void editsFollowTheMonthWhenNavigating();
    void openEditIsTakenIntoItsOwnMonth();
    void checkBoxClickToggles();
    void categoryComboBox();
    void remainingIsRedWhenNegative_data();
    void remainingIsRedWhenNegative();
    void deleteAndCarryOver();
    void carryOverFromDecemberDoesNothing();
    void addWithoutCategoriesOpensTheEditor();
    void categoryEditorChangesShowAtOnce();
    void envelopeSheetUpdatesTheTotals();

private:
    void goToMonth(int index);
    QStringList column(const QString& key) const;
    QStringList alertTitles();
    void clickHeader(const QString& identifier);
    QPushButton* button(const QString& name) const;
    cwMonthList& list(const QString& category, const QString& month);
    static cwRecord entry(const QString& day, const QString& amount, const QString& desc, const QString& reconciled = " ");

    MyDataSource* _model = nullptr;
    QMainWindow* _window = nullptr;
    Ui::MainMenu* _ui = nullptr;
    cwCheckViewCtrl* _register = nullptr;
    cwCheckViewData* _data = nullptr;
    cwTableView* _table = nullptr;
};

cwRecord TestRegisterView::entry(const QString& day, const QString& amount, const QString& desc,
                                 const QString& reconciled)
{
    return {{"day", day}, {"amount", amount}, {"desc", desc}, {"note", ""}, {"reconciled", reconciled}};
}

cwMonthList& TestRegisterView::list(const QString& category, const QString& month)
{
    return _model->getCatDataDictionary()[category][month];
}

QStringList TestRegisterView::column(const QString& key) const
{
    QStringList values;
    for (int row = 0; row < _data->count(); ++row)
        values.append(_data->objectValueForTableColumn(key, row).toString());
    return values;
}

QStringList TestRegisterView::alertTitles()
{
    QStringList titles;
    for (const auto& alert : _model->takeHeadlessAlerts())
        titles.append(alert.title);
    return titles;
}

void TestRegisterView::clickHeader(const QString& identifier)
{
    QHeaderView* header = _table->horizontalHeader();
    const int section = _table->columnWithIdentifier(identifier);
    const QPoint place(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                       header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, place);
}

QPushButton* TestRegisterView::button(const QString& name) const
{
    return _window->findChild<QPushButton*>(name);
}

void TestRegisterView::goToMonth(int index)
{
    while (_register->getMonthIndex() > index)
        button("registerPrevious")->click();
    while (_register->getMonthIndex() < index)
        button("registerNext")->click();
}

void TestRegisterView::init()
{
    _model = new MyDataSource;
    _model->createFixedRows();
    for (const QString& name : {"Food", "Rent", "Fun"})
        _model->createCategory(name, "0");
    for (const QString& month : _model->monthIds()) {
        _model->getMonthlyBudget()[month] = "1000";
        list("Food", month).append(entry("12", "30.00", "Market"));
        list("Food", month).append(entry("3", "20.00", "Bakery", "R"));
        list("Rent", month).append(entry("1", "900.00", "Landlord"));
        list("Fun", month).append(entry("3", "5.00", "Cinema"));
    }
    _window = new QMainWindow;
    _ui = new Ui::MainMenu;
    _ui->setupUi(_window);
    _register = new cwCheckViewCtrl(_window, *_ui);
    _data = _register->getTableViewSource();
    _table = _register->getTableView();
    _ui->_ourTabView->setCurrentIndex(1);
    _window->resize(1000, 600);
    _window->show();
    QVERIFY(QTest::qWaitForWindowExposed(_window));
    _register->initView();
}

void TestRegisterView::cleanup()
{
    const QStringList failures = cwSheetAnswerer::instance().takeFailures();
    delete _register;
    delete _window;
    delete _ui;
    delete _model;
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestRegisterView::opensTheCurrentMonthSortedByDay()
{
    const int current = QDate::currentDate().month() - 1;
    QCOMPARE(_register->getMonthIndex(), current);
    QCOMPARE(_ui->registerTitle->text(), _model->monthFriendlyName(_model->monthIdString(current)));
    QCOMPARE(_ui->registerTotalAmount->text(), QString("1000"));
    QCOMPARE(_ui->registerRemainAmount->text(), QString("45"));
    QCOMPARE(_table->model()->rowCount(), 4);

    clickHeader("amount");
    _register->closeView();
    QCOMPARE(_table->model()->rowCount(), 0);
    _register->initView();
    QCOMPARE(column("desc"), QStringList({"Landlord", "Cinema", "Bakery", "Market"}));
}

void TestRegisterView::headerClickSorts_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("check box") << "reconciled" << QStringList({"Cinema", "Bakery", "Market", "Landlord"});
    QTest::newRow("day") << "day" << QStringList({"Landlord", "Cinema", "Bakery", "Market"});
    QTest::newRow("category") << "category" << QStringList({"Bakery", "Market", "Cinema", "Landlord"});
    QTest::newRow("description") << "desc" << QStringList({"Bakery", "Cinema", "Landlord", "Market"});
}

void TestRegisterView::headerClickSorts()
{
    QFETCH(QString, header);
    QFETCH(QStringList, order);
    clickHeader("amount");
    QCOMPARE(column("desc"), QStringList({"Cinema", "Bakery", "Market", "Landlord"}));
    clickHeader(header);
    QCOMPARE(column("desc"), order);
    QVERIFY(_table->selectionModel()->selectedColumns().isEmpty());
    // The table shows the new order too.
    QCOMPARE(_table->model()->index(0, _table->columnWithIdentifier("desc")).data().toString(), order.first());
}

void TestRegisterView::navigationStopsAtTheEndsOfTheYear()
{
    goToMonth(0);
    QCOMPARE(_ui->registerTitle->text(), QString("January"));
    _data->setObjectValue(QString("changed"), "note", 0);
    button("registerPrevious")->click();
    QCOMPARE(_ui->registerTitle->text(), QString("January"));
    QCOMPARE(list("Rent", "jan").at(1).value("note"), QString(""));  // nothing written back
    QCOMPARE(column("note").first(), QString("changed"));

    goToMonth(11);
    QCOMPARE(list("Rent", "jan").at(1).value("note"), QString("changed"));
    QCOMPARE(_ui->registerTitle->text(), QString("December"));
    _data->setObjectValue(QString("late"), "note", 0);
    button("registerNext")->click();
    QCOMPARE(_register->getMonthIndex(), 11);
    QCOMPARE(list("Rent", "dec").at(1).value("note"), QString(""));
}

void TestRegisterView::editsFollowTheMonthWhenNavigating()
{
    goToMonth(2);
    clickHeader("amount");
    _data->setObjectValue(QString("7"), "amount", 0);  // Cinema
    QCOMPARE(_ui->registerRemainAmount->text(), QString("43"));
    button("registerNext")->click();
    QCOMPARE(_ui->registerTitle->text(), QString("April"));
    QCOMPARE(list("Fun", "mar").at(1).value("amount"), QString("7.00"));
    QCOMPARE(column("desc"), QStringList({"Cinema", "Bakery", "Market", "Landlord"}));  // still by amount
    QCOMPARE(column("amount").first(), QString("5.00"));
    button("registerPrevious")->click();
    QCOMPARE(column("amount").first(), QString("7.00"));
}

void TestRegisterView::openEditIsTakenIntoItsOwnMonth()
{
    goToMonth(2);
    const int row = column("desc").indexOf("Market");
    _table->editColumn(_table->columnWithIdentifier("amount"), row, true);
    auto* line = qobject_cast<QLineEdit*>(_table->indexWidget(_table->model()->index(row, 1)));
    QVERIFY(line);
    line->setText("12");
    _register->incrementMonth();
    QCOMPARE(list("Food", "mar").at(2).value("amount"), QString("12.00"));
    QCOMPARE(list("Food", "apr").at(1).value("amount"), QString("30.00"));
    QCOMPARE(list("Food", "apr").at(2).value("amount"), QString("20.00"));
    QCOMPARE(column("amount"), QStringList({"900.00", "5.00", "20.00", "30.00"}));
}

void TestRegisterView::checkBoxClickToggles()
{
    const int row = column("desc").indexOf("Bakery");
    const QRect cell = _table->visualRect(_table->model()->index(row, 0));
    QTest::mouseClick(_table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(_data->entryAtRow(row).value("reconciled"), QString(" "));
    QTest::mouseClick(_table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(_data->entryAtRow(row).value("reconciled"), QString("R"));
    QCOMPARE(_table->model()->index(row, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

void TestRegisterView::categoryComboBox()
{
    const int categoryColumn = _table->columnWithIdentifier("category");
    _table->editColumn(categoryColumn, 0, true);
    auto* combo = qobject_cast<QComboBox*>(_table->indexWidget(_table->model()->index(0, categoryColumn)));
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(2), QString("Fun"));
    QCOMPARE(combo->maxVisibleItems(), 6);
    combo->setCurrentText("Fun");
    _table->commitEditing();
    QCOMPARE(_data->entryAtRow(0).value("category"), QString("Fun"));

    _table->editColumn(categoryColumn, 0, true);
    combo = qobject_cast<QComboBox*>(_table->indexWidget(_table->model()->index(0, categoryColumn)));
    combo->setCurrentText("Travel");
    _table->commitEditing();
    QCOMPARE(alertTitles(), QStringList({"Invalid Category"}));
    QCOMPARE(_data->entryAtRow(0).value("category"), QString("Fun"));
}

void TestRegisterView::remainingIsRedWhenNegative_data()
{
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<bool>("red");
    QTest::newRow("negative") << "-0.5" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("positive") << "12" << false;
}

void TestRegisterView::remainingIsRedWhenNegative()
{
    QFETCH(QString, remaining);
    QFETCH(bool, red);
    _register->setTotal("100", remaining);
    QCOMPARE(_ui->registerRemainAmount->text(), remaining);
    const QColor shown = _ui->registerRemainAmount->palette().color(QPalette::WindowText);
    QCOMPARE(shown == QColor(Qt::red), red);
    if (!red)
        QCOMPARE(shown, _ui->registerRemainTitle->palette().color(QPalette::WindowText));
}

void TestRegisterView::deleteAndCarryOver()
{
    goToMonth(2);
    _table->setFocus();
    button("registerCarryOver")->click();
    button("registerDelete")->click();
    QCOMPARE(alertTitles(), QStringList({"Error", "Error"}));

    _table->selectRow(0);
    _table->selectRow(2, true);
    button("registerCarryOver")->click();
    const auto asked = _model->takeHeadlessAlerts();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().message, QString("Insert data into April ?"));
    QCOMPARE(list("Rent", "apr").size(), 3);
    QCOMPARE(list("Rent", "apr").at(2).value("desc"), QString("Landlord"));
    QCOMPARE(list("Food", "apr").at(3), entry("3", "20.00", "Bakery"));
    QCOMPARE(_data->count(), 4);

    _table->selectRow(0);
    _table->selectRow(1, true);
    _table->selectRow(3, true);
    button("registerDelete")->click();
    QCOMPARE(alertTitles(), QStringList({"Confirm Delete"}));
    QCOMPARE(column("desc"), QStringList({"Bakery"}));
    QCOMPARE(_ui->registerRemainAmount->text(), QString("980"));
    QVERIFY(_table->selectedRows().isEmpty());
    button("registerNext")->click();
    QCOMPARE(list("Fun", "mar").size(), 1);
    QCOMPARE(list("Food", "mar").size(), 2);
}

void TestRegisterView::carryOverFromDecemberDoesNothing()
{
    goToMonth(11);
    const cwCategoryData before = _model->getCatDataDictionary();
    _table->selectRow(0);
    button("registerCarryOver")->click();
    QVERIFY(alertTitles().isEmpty());
    QCOMPARE(_model->getCatDataDictionary(), before);
}

void TestRegisterView::addWithoutCategoriesOpensTheEditor()
{
    for (int i = _model->getCatArray().size() - 1; i >= 3; --i)
        _model->deleteCategoryByIndex(i);
    _register->closeView();
    _register->initView();
    cwSheetAnswerer::instance().expect("Edit Categories", QString(), "Close", [](QDialog* sheet) {
        sheet->findChild<QPushButton*>("addButton")->click();
    });
    button("registerAdd")->click();
    QCOMPARE(alertTitles(), QStringList({"No Categories Defined"}));
    QCOMPARE(_data->getCategoryItems(), QStringList({"New Category"}));
    QCOMPARE(_data->count(), 0);

    button("registerAdd")->click();
    QCOMPARE(_data->count(), 1);
    QCOMPARE(_table->selectedRows(), QList<int>({0}));
    QVERIFY(_table->indexWidget(_table->model()->index(0, 1)));
}

void TestRegisterView::categoryEditorChangesShowAtOnce()
{
    goToMonth(4);
    _data->setObjectValue(QString("kept"), "note", 0);
    cwSheetAnswerer::instance().expect("Edit Categories", QString(), "Close", [](QDialog* sheet) {
        auto* names = sheet->findChild<cwTableView*>("_ourTable");
        names->dataSource()->setObjectValue(QString("Groceries"), "desc", 0);
        names->selectRow(2);
        sheet->findChild<QPushButton*>("deleteButton")->click();
    });
    button("registerEditCategories")->click();
    QCOMPARE(alertTitles(), QStringList({"WARNING"}));
    QCOMPARE(_ui->registerTitle->text(), QString("May"));
    QCOMPARE(_data->getCategoryItems(), QStringList({"Groceries", "Rent"}));
    QCOMPARE(column("desc"), QStringList({"Landlord", "Bakery", "Market"}));
    QCOMPARE(column("category"), QStringList({"Rent", "Groceries", "Groceries"}));
    QCOMPARE(column("note").first(), QString("kept"));
}

void TestRegisterView::envelopeSheetUpdatesTheTotals()
{
    _model->setEnvelopeMode(true);
    goToMonth(5);
    QCOMPARE(_ui->registerTotalAmount->text(), QString("0"));
    cwSheetAnswerer::instance().expect("Envelopes", QString(), "Close", [](QDialog* sheet) {
        QCOMPARE(sheet->findChild<QLabel*>("_windowLabel")->text(), QString("June Envelopes"));
        auto* table = sheet->findChild<cwTableView*>("_ourTableView");
        table->dataSource()->setObjectValue(QString("1000"), "amount", 1);  // Fun
    });
    _ui->_fillEnvelope->setEnabled(true);
    _ui->_fillEnvelope->click();
    QCOMPARE(_ui->registerTotalAmount->text(), QString("1000"));
    QCOMPARE(_ui->registerRemainAmount->text(), QString("45"));
}

CW_TEST_MAIN(TestRegisterView)

#include "TestRegisterView.moc"
