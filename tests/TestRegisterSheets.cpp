#include <QDialog>
#include <QLineEdit>
#include <QtTest>

#include "MyDataSource.h"
#include "cwCategoryEditWinCtrl.h"
#include "cwEnvelopeWinController.h"
#include "cwTableView.h"
#include "support/cwSheetAnswerer.h"
#include "support/cwTestMain.h"

// The category editor and the envelope sheet, driven through their real tables and buttons.
class TestRegisterSheets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void editorAddsAndRenamesThroughTheOpenCell();
    void editorKeepsNamesUnique();
    void editorDeletes();
    void envelopeEdits_data();
    void envelopeEdits();
    void envelopeTypingIsTakenOverOnClose();
    void envelopeSheetWithoutCategories();

private:
    static QLineEdit* openEditor(cwTableView* table, int column, int row);
    QStringList userCategories() const;
    QStringList alertTitles();

    MyDataSource* _model = nullptr;
};

QLineEdit* TestRegisterSheets::openEditor(cwTableView* table, int column, int row)
{
    table->editColumn(column, row, true);
    return qobject_cast<QLineEdit*>(table->indexWidget(table->model()->index(row, column)));
}

QStringList TestRegisterSheets::userCategories() const
{
    QStringList names;
    const QList<cwRecord>& rows = _model->getCatArray();
    for (int i = 3; i < rows.size(); ++i)
        names.append(rows.at(i).value("desc"));
    return names;
}

QStringList TestRegisterSheets::alertTitles()
{
    QStringList titles;
    for (const auto& alert : _model->takeHeadlessAlerts())
        titles.append(alert.title);
    return titles;
}

void TestRegisterSheets::init()
{
    _model = new MyDataSource;
    _model->createFixedRows();
}

void TestRegisterSheets::cleanup()
{
    const QStringList failures = cwSheetAnswerer::instance().takeFailures();
    delete _model;
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestRegisterSheets::editorAddsAndRenamesThroughTheOpenCell()
{
    cwCategoryEditWinCtrl editor;
    QString selectedText;
    int rows = -1;
    cwSheetAnswerer::instance().expect("Edit Categories", QString(), "Close", [&](QDialog*) {
        rows = editor.tableView()->model()->rowCount();
        editor.addCategory();
        QLineEdit* line = qobject_cast<QLineEdit*>(
            editor.tableView()->indexWidget(editor.tableView()->model()->index(0, 0)));
        QVERIFY(line);
        selectedText = line->selectedText();
        line->setText("Travel");
    });
    editor.openCustomModalSheet(nullptr);
    QCOMPARE(rows, 0);
    QCOMPARE(selectedText, QString("New Category"));
    QCOMPARE(userCategories(), QStringList({"Travel"}));
    QVERIFY(_model->getCatDataDictionary().contains("Travel"));
    QVERIFY(!_model->getCatDataDictionary().contains("New Category"));
    QCOMPARE(_model->getCatDataDictionary().value("Travel").size(), 12);
}

void TestRegisterSheets::editorKeepsNamesUnique()
{
    _model->createCategory("Food", "0");
    _model->getCatDataDictionary()["Food"]["jan"].append(
        {{"day", "2"}, {"amount", "5.00"}, {"desc", "Milk"}, {"note", ""}, {"reconciled", " "}});
    cwCategoryEditWinCtrl editor;
    cwSheetAnswerer::instance().expect("Edit Categories", QString(), "Close", [&](QDialog*) {
        editor.addCategory();
        editor.tableView()->commitEditing();
        editor.addCategory();
        editor.tableView()->commitEditing();
        editor.setObjectValue(QString("Food"), "desc", 2);
        editor.setObjectValue(QString(""), "desc", 1);
        editor.setObjectValue(QString("; ****** MONTHLY_BUDGET ******"), "desc", 1);
        editor.setObjectValue(QString("Two\nlines"), "desc", 2);
    });
    editor.openCustomModalSheet(nullptr);
    QCOMPARE(userCategories(), QStringList({"Food", "New Category", "New Category 2"}));
    QCOMPARE(alertTitles(), QStringList({"Duplicate Category", "Invalid Name", "Invalid Name"}));
    QCOMPARE(_model->getCatDataDictionary().value("Food").value("jan").size(), 2);
    QCOMPARE(editor.objectValueForTableColumn("desc", 2).toString(), QString("New Category 2"));
}

void TestRegisterSheets::editorDeletes()
{
    _model->createCategory("Food", "0");
    _model->createCategory("Rent", "0");
    _model->createCategory("Fun", "0");
    cwCategoryEditWinCtrl editor;
    cwSheetAnswerer::instance().expect("Edit Categories", QString(), "Close", [&](QDialog*) {
        editor.delCategory();
        QCOMPARE(alertTitles(), QStringList({"No Selection"}));
        editor.tableView()->selectRow(1);
        editor.delCategory();
        QCOMPARE(alertTitles(), QStringList({"WARNING"}));
        QCOMPARE(editor.tableView()->model()->rowCount(), 2);
        QCOMPARE(editor.tableView()->selectedRow(), -1);
    });
    editor.openCustomModalSheet(nullptr);
    QCOMPARE(userCategories(), QStringList({"Food", "Fun"}));
    QVERIFY(!_model->getCatDataDictionary().contains("Rent"));
}

void TestRegisterSheets::envelopeEdits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("alert");
    QTest::newRow("whole") << "50" << "50.00" << "";
    QTest::newRow("trailing text") << "12abc" << "12.00" << "";
    QTest::newRow("refused") << "abc" << "30" << "Currency Conversion Error";
    QTest::newRow("unchanged text") << "30" << "30" << "";
}

void TestRegisterSheets::envelopeEdits()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, alert);
    _model->setEnvelopeMode(true);
    _model->createCategory("Rent", "0");
    _model->createCategory("Food", "0");
    cwCategoryData& data = _model->getCatDataDictionary();
    data["Food"]["mar"][0]["amount"] = "30";
    data["Food"]["apr"][0]["amount"] = "30";
    data["Food"]["mar"].append({{"day", "2"}, {"amount", "5.00"}, {"desc", "Milk"}, {"note", ""}, {"reconciled", " "}});
    const cwCategoryData before = data;

    cwEnvelopeWinController sheet;
    cwSheetAnswerer::instance().expect("Envelopes", QString(), "Close", [&](QDialog*) {
        QCOMPARE(sheet.heading(), QString("March Envelopes"));
        QCOMPARE(sheet.objectValueForTableColumn("category", 0).toString(), QString("Food"));
        QCOMPARE(sheet.objectValueForTableColumn("amount", 1).toString(), QString("0"));
        QVERIFY(!sheet.shouldEditTableColumn("category", 0));
        sheet.setObjectValue(typed, "amount", 0);
    });
    sheet.openCustomModalSheet(nullptr, "mar");

    QCOMPARE(alertTitles(), alert.isEmpty() ? QStringList() : QStringList({alert}));
    QCOMPARE(data["Food"]["mar"][0]["amount"], stored);
    // Only March's envelope changed; totals were recomputed on closing.
    cwCategoryData expected = before;
    expected["Food"]["mar"][0]["amount"] = stored;
    QCOMPARE(data, expected);
    QCOMPARE(_model->getCatArray().at(0).value("mar"), stored == "30" ? QString("30") : QString(stored).remove(".00"));
}

void TestRegisterSheets::envelopeTypingIsTakenOverOnClose()
{
    _model->setEnvelopeMode(true);
    _model->createCategory("Food", "0");
    cwEnvelopeWinController sheet;
    cwSheetAnswerer::instance().expect("Envelopes", QString(), "Close", [&](QDialog*) {
        QLineEdit* line = openEditor(sheet.tableView(), 1, 0);
        QVERIFY(line);
        line->setText("75.5");
    });
    sheet.openCustomModalSheet(nullptr, "jul");
    QCOMPARE(_model->getCatDataDictionary()["Food"]["jul"][0]["amount"], QString("75.50"));
    QCOMPARE(_model->getCatArray().at(0).value("jul"), QString("75.5"));
}

void TestRegisterSheets::envelopeSheetWithoutCategories()
{
    _model->setEnvelopeMode(true);
    _model->getCatArray()[0]["may"] = "stale";
    cwEnvelopeWinController sheet;
    int rows = -1;
    cwSheetAnswerer::instance().expect("Envelopes", QString(), "Close",
                                       [&](QDialog*) { rows = sheet.tableView()->model()->rowCount(); });
    sheet.openCustomModalSheet(nullptr, "may");
    QCOMPARE(rows, 0);
    QCOMPARE(_model->getCatArray().at(0).value("may"), QString("0"));
}

CW_TEST_MAIN(TestRegisterSheets)

#include "TestRegisterSheets.moc"
