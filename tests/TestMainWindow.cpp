#include <QAction>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include "MyDataSource.h"
#include "cwTableView.h"
#include "cwUserDefaults.h"
#include "support/cwSheetAnswerer.h"
#include "support/cwTestMain.h"

namespace {

const QString amountAlert =
    "Amounts must be in INTEGER or \nFLOATING POINT format\n(I.e NO currency symbols, commas etc).\n\n"
    "Valid Examples: 25, 4.27, 3.2, -24.23\nNOTE: Negative amounts are treated as deposits.";
const QString unsavedMessage = "! WARNING !\n\nUnsaved Changes Exist!\nSelect file to save as or CANCEL to discard.";

// The program as a user starts it: the controller, its main window and the start-up sequence.
struct Program
{
    MyDataSource source;
    QSignalSpy terminated{&source, &MyDataSource::terminateRequested};

    Program() { QVERIFY(source.loadMainWindow()); }

    QWidget* window() { return source.getMainWindow(); }
    cwTableView* table() { return window()->findChild<cwTableView*>("_ourTableView"); }
    QAction* action(const char* name) { return window()->findChild<QAction*>(name); }
    QPushButton* button(const char* name) { return window()->findChild<QPushButton*>(name); }
    QString cell(int row, const QString& column)
    {
        return table()->model()->index(row, table()->columnWithIdentifier(column)).data().toString();
    }
    QStringList names()
    {
        QStringList result;
        for (const cwRecord& row : source.getCatArray())
            result.append(row.value("desc"));
        return result;
    }
    // Double-clicks the cell, as a user starting an edit does; the editor, if one opened.
    QLineEdit* doubleClick(int row, const QString& column)
    {
        const QModelIndex index = table()->model()->index(row, table()->columnWithIdentifier(column));
        const QPoint at = table()->visualRect(index).center();
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);
        return qobject_cast<QLineEdit*>(table()->indexWidget(index));
    }
    void type(QLineEdit* editor, const QString& text)
    {
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!table()->indexWidget(table()->currentIndex()));
    }
    void addCategory(const QString& name)
    {
        QTest::mouseClick(button("addCategoryButton"), Qt::LeftButton);
        auto* editor = qobject_cast<QLineEdit*>(table()->indexWidget(table()->currentIndex()));
        QVERIFY(editor);
        type(editor, name);
    }
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void firstStartShowsAboutOnce();
    void init();
    void cleanup();

    void budgetEdits_data();
    void budgetEdits();
    void budgetCellWithoutCategories();
    void readOnlyCells();
    void envelopeModeBudgetCellOpensEnvelopes();
    void addAndDeleteCategories();
    void refusedNames_data();
    void refusedNames();
    void dragAndDropKeepFixedRows();
    void badStoredValueReportedOnce();
    void registerWrittenBackOnTabSwitch();
    void alertDuringAlertIsStacked();

    void saveWithoutNameCancelled();
    void failedWriteSavesUnderNewName();
    void saveAsShowsNameWithoutEscapes();
    void openingInvalidFileForgetsName();
    void closeAndQuitSaveOnce();
    void recentDocumentsReopen();
    void reopeningCurrentFileDropsChanges();
    void newFileErasesModel();

private:
    QTemporaryDir _files;
};

void TestMainWindow::firstStartShowsAboutOnce()
{
    // A start after the version changed (the first start has none stored) shows the about sheet.
    cwUserDefaults::standardUserDefaults().setObject(QString(), "CurrentVersion");
    auto& answers = cwSheetAnswerer::instance();
    QString aboutText;
    answers.expect("About Window", QString(), "Close",
                   [&](QDialog* sheet) { aboutText = cwSheetAnswerer::messageOf(sheet); });
    {
        Program first;
        QVERIFY(aboutText.startsWith("Coinwick " COINWICK_VERSION "\n"));
        QCOMPARE(first.names(), QStringList({"Budget", "Remain", "-----"}));
        for (const QString& month : first.source.monthIds()) {
            QCOMPARE(first.cell(0, month), QString("0"));
            QCOMPARE(first.cell(1, month), QString("0"));
            QCOMPARE(first.cell(2, month), QString("-----"));
        }
        QCOMPARE(first.cell(0, "average"), QString());
        QCOMPARE(first.cell(1, "average"), QString());
        QCOMPARE(first.source.getSelectedTab(), 0);
        QCOMPARE(first.window()->windowTitle(), QString());
        QVERIFY(!first.button("_menuWSBudget")->isVisible());
        QVERIFY(!first.button("_menuWSBudget")->isEnabled());
    }
    // The same version again: no about sheet (the answerer would report one).
    Program second;
    QCOMPARE(cwSheetAnswerer::instance().takeFailures(), QStringList());
}

void TestMainWindow::init()
{
    cwUserDefaults& defaults = cwUserDefaults::standardUserDefaults();
    defaults.setObject(COINWICK_VERSION, "CurrentVersion");
    defaults.setObject(QString(), "DataFile");
    defaults.setBool(false, "EnvelopeView");
}

void TestMainWindow::cleanup()
{
    const QStringList failures = cwSheetAnswerer::instance().takeFailures();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestMainWindow::budgetEdits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    QTest::newRow("with cents") << "1500.50" << "1500.50" << "1500" << false;
    QTest::newRow("zero") << "0" << "0" << "0" << false;
    QTest::newRow("not a number") << "abc" << "250" << "250" << true;
    QTest::newRow("currency sign") << "$40" << "250" << "250" << true;
}

void TestMainWindow::budgetEdits()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    Program p;
    p.addCategory("Food");
    p.source.getMonthlyBudget()["jan"] = "250";
    p.source.updateTotalsForMonth("jan");
    if (refused)
        cwSheetAnswerer::instance().expect("Currency Conversion Error", amountAlert, "OK");
    QLineEdit* editor = p.doubleClick(0, "jan");
    QVERIFY(editor);
    p.type(editor, typed);
    QCOMPARE(p.source.getMonthlyBudget().value("jan"), stored);
    QTRY_COMPARE(p.cell(0, "jan"), shown);
    QCOMPARE(p.cell(1, "jan"), shown);  // nothing spent yet: all of it remains
}

void TestMainWindow::budgetCellWithoutCategories()
{
    Program p;
    cwSheetAnswerer::instance().expect("No Categories Defined",
                                       "No Categories.  Please create a category.\n\nHINT: Click + button", "OK");
    QVERIFY(!p.doubleClick(0, "mar"));
}

void TestMainWindow::readOnlyCells()
{
    Program p;
    p.addCategory("Rent");
    QVERIFY(!p.doubleClick(0, "desc"));     // fixed names
    QVERIFY(!p.doubleClick(3, "average"));  // computed
    QVERIFY(!p.doubleClick(3, "feb"));      // computed from the register
    QVERIFY(!p.doubleClick(1, "feb"));      // Remain cannot be selected
    QCOMPARE(p.table()->selectedRow(), 3);
}

void TestMainWindow::envelopeModeBudgetCellOpensEnvelopes()
{
    cwUserDefaults::standardUserDefaults().setBool(true, "EnvelopeView");
    Program p;
    p.addCategory("Rent");
    p.addCategory("Food");
    QString heading;
    cwSheetAnswerer::instance().expect(QString(), QString(), "Close", [&](QDialog* sheet) {
        heading = sheet->findChild<QLabel*>("_windowLabel")->text();
        QAbstractItemModel* envelopes = sheet->findChild<cwTableView*>()->model();
        envelopes->setData(envelopes->index(0, 1), "1200");
        envelopes->setData(envelopes->index(1, 1), "450.50");
    });
    QVERIFY(!p.doubleClick(0, "mar"));  // no edit in place: the sheet took the amounts
    QCOMPARE(heading, QString("March Envelopes"));
    QCOMPARE(p.cell(0, "mar"), QString("1650"));
    QCOMPARE(p.table()->selectedRow(), -1);
    QVERIFY(p.window()->findChild<QPushButton*>("_fillEnvelope")->isEnabled());
}

void TestMainWindow::addAndDeleteCategories()
{
    Program p;
    auto& answers = cwSheetAnswerer::instance();
    // The new row comes last, selected, its name open for typing with the text selected.
    QTest::mouseClick(p.button("addCategoryButton"), Qt::LeftButton);
    auto* editor = qobject_cast<QLineEdit*>(p.table()->indexWidget(p.table()->currentIndex()));
    QVERIFY(editor);
    QCOMPARE(editor->selectedText(), QString("New Category"));
    QCOMPARE(p.table()->selectedRow(), 3);
    p.type(editor, "Groceries");
    p.addCategory("Fuel");
    QCOMPARE(p.names(), QStringList({"Budget", "Remain", "-----", "Groceries", "Fuel"}));
    QVERIFY(p.source.getCatDataDictionary().contains("Groceries"));

    // Nothing usable selected.
    const QString noSelection = "No Category selected.  Please select\na category to delete.";
    p.table()->deselectAll();
    answers.expect("ERROR", noSelection, "OK");
    QTest::mouseClick(p.button("deleteCategoryButton"), Qt::LeftButton);
    p.table()->selectRow(0);
    answers.expect("ERROR", noSelection, "OK");
    QTest::mouseClick(p.button("deleteCategoryButton"), Qt::LeftButton);
    QCOMPARE(p.source.getCatArray().size(), 5);

    // Cancel keeps the category and its selection; OK removes it with its data.
    const QString confirm = "Removing Category <Groceries>\nwill permanently remove all data\n"
                            "associated with this category!";
    p.table()->selectRow(3);
    answers.expect("WARNING", confirm, "Cancel");
    QTest::mouseClick(p.button("deleteCategoryButton"), Qt::LeftButton);
    QCOMPARE(p.names().size(), 5);
    QCOMPARE(p.table()->selectedRow(), 3);
    answers.expect("WARNING", confirm, "OK");
    QTest::mouseClick(p.button("deleteCategoryButton"), Qt::LeftButton);
    QCOMPARE(p.names(), QStringList({"Budget", "Remain", "-----", "Fuel"}));
    QVERIFY(!p.source.getCatDataDictionary().contains("Groceries"));
    QCOMPARE(p.table()->selectedRow(), -1);
}

void TestMainWindow::refusedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << QString() << QString();
    QTest::newRow("unchanged") << "Rent" << QString() << QString();
    QTest::newRow("taken") << "Fuel" << "Duplicate Category"
                           << "A category named <Fuel> already exists.\nPlease choose another name.";
    const QString invalid = "Category names cannot begin with \";\" or contain line breaks.";
    QTest::newRow("file marker") << "; ****** MONTHLY_BUDGET ******" << "Invalid Name" << invalid;
}

void TestMainWindow::refusedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, message);
    Program p;
    p.addCategory("Rent");
    p.addCategory("Fuel");
    if (!title.isNull())
        cwSheetAnswerer::instance().expect(title, message, "OK");
    QLineEdit* editor = p.doubleClick(3, "desc");
    QVERIFY(editor);
    p.type(editor, typed);
    QCOMPARE(p.names(), QStringList({"Budget", "Remain", "-----", "Rent", "Fuel"}));
    QVERIFY(p.source.getCatDataDictionary().contains("Rent"));

    // A line break can only come from a paste; the table refuses it the same way.
    if (title == "Invalid Name") {
        cwSheetAnswerer::instance().expect(title, message, "OK");
        p.table()->model()->setData(p.table()->model()->index(3, 0), "Two\nlines");
        QCOMPARE(p.names()[3], QString("Rent"));
    }
}

void TestMainWindow::dragAndDropKeepFixedRows()
{
    Program p;
    for (const QString& name : {"A", "B", "C", "D"})
        p.addCategory(name);
    QAbstractItemModel* model = p.table()->model();
    QVERIFY(!model->mimeData({model->index(0, 0)}));  // a drag from the Budget row does not start
    QVERIFY(!model->mimeData({model->index(2, 0), model->index(4, 0)}));

    QScopedPointer<QMimeData> drag(model->mimeData({model->index(6, 0)}));
    QVERIFY(drag);
    QVERIFY(drag->hasFormat("MyPrivateTableViewDataType"));
    for (int row = 0; row < 3; ++row) {
        QVERIFY(!model->canDropMimeData(drag.get(), Qt::MoveAction, row, 0, {}));
        QVERIFY(!model->canDropMimeData(drag.get(), Qt::MoveAction, -1, -1, model->index(row, 0)));
    }
    // The fourth category dropped just below the separator becomes the first.
    QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, 3, 0, {}));
    QCOMPARE(p.names(), QStringList({"Budget", "Remain", "-----", "D", "A", "B", "C"}));
    // Dropped past the last row, the first one goes to the end.
    QScopedPointer<QMimeData> again(model->mimeData({model->index(3, 0)}));
    QVERIFY(model->dropMimeData(again.get(), Qt::MoveAction, -1, -1, {}));
    QCOMPARE(p.names(), QStringList({"Budget", "Remain", "-----", "A", "B", "C", "D"}));
}

void TestMainWindow::badStoredValueReportedOnce()
{
    Program p;
    p.addCategory("Food");
    p.source.getMonthlyBudget()["apr"] = "n/a";
    // The budget that is not a number, and the remainder worked out from it.
    cwSheetAnswerer::instance().expect("Currency Conversion Error", amountAlert, "OK");
    cwSheetAnswerer::instance().expect("Currency Conversion Error", amountAlert, "OK");
    p.source.updateTotalsForMonth("apr");
    for (int i = 0; i < 3; ++i) {
        p.table()->viewport()->repaint();
        QTest::qWait(50);
    }
    QTRY_VERIFY(cwSheetAnswerer::instance().allAnswered());
    QCOMPARE(p.cell(0, "apr"), QString("0"));
}

void TestMainWindow::registerWrittenBackOnTabSwitch()
{
    Program p;
    p.addCategory("Food");
    auto* tabs = p.window()->findChild<QTabWidget*>("_ourTabView");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    QCOMPARE(p.source.getSelectedTab(), 1);

    // A new entry in the month the register opened on; its amount is open for typing.
    QTest::mouseClick(p.button("registerAdd"), Qt::LeftButton);
    auto* registerTable = p.window()->findChild<cwTableView*>("registerTable");
    const QModelIndex amount = registerTable->model()->index(registerTable->model()->rowCount() - 1, 1);
    auto* editor = qobject_cast<QLineEdit*>(registerTable->indexWidget(amount));
    QVERIFY(editor);
    editor->setText("42.75");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!registerTable->indexWidget(amount));

    const QString month = p.source.monthIdString(QDate::currentDate().month() - 1);
    QCOMPARE(p.cell(3, month), QString("0"));  // still only in the register's working copy
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
    QCOMPARE(p.source.getSelectedTab(), 0);
    QCOMPARE(p.cell(3, month), QString("42"));
    QCOMPARE(p.cell(1, month), QString("-42"));

    // A file command while the register shows writes it back before saving.
    const QString path = _files.filePath("tabs.txt");
    p.source.setFileName(path);
    tabs->setCurrentIndex(1);
    p.action("actionSave")->trigger();
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(readFile(path).contains("42.75"));
}

void TestMainWindow::alertDuringAlertIsStacked()
{
    Program p;
    auto& answers = cwSheetAnswerer::instance();
    int inner = -1;
    answers.expect("First", "One", "OK", [&](QDialog*) {
        inner = p.source.modalAlertMessage("Two", "Second", true, nullptr);
    });
    answers.expect("Second", "Two", "Cancel");
    QCOMPARE(p.source.modalAlertMessage("One", "First", true, nullptr), 1);
    QCOMPARE(inner, 0);
}

void TestMainWindow::saveWithoutNameCancelled()
{
    Program p;
    p.addCategory("Food");
    cwSheetAnswerer::instance().expectFile(unsavedMessage, QString());
    p.action("actionSave")->trigger();
    QCOMPARE(p.source.getFileName(), QString());
    QCOMPARE(QDir(QDir::homePath()).entryList(QDir::Files), QStringList());
}

void TestMainWindow::failedWriteSavesUnderNewName()
{
    Program p;
    p.addCategory("Food");
    const QString unwritable = _files.filePath("no-such-folder/budget.txt");
    const QString fresh = _files.filePath("rescued.txt");
    p.source.setFileName(unwritable);
    const QByteArray expected = p.source.buildData();

    auto& answers = cwSheetAnswerer::instance();
    answers.expect("WARNING",
                   QString("Data File %1 could not saved!\nPlease choose a new location to save").arg(unwritable),
                   "OK");
    answers.expectFile("Save Changes AS", fresh);
    p.action("actionSave")->trigger();
    QCOMPARE(readFile(fresh), expected);
    QCOMPARE(p.window()->windowTitle(), fresh);
    QVERIFY(!QFileInfo::exists(unwritable));

    // Cancel in the alert gives up: nothing is written, the name stays as last chosen.
    p.source.setFileName(unwritable);
    answers.expect("WARNING", QString(), "Cancel");
    p.action("actionSave")->trigger();
    QCOMPARE(p.source.getFileName(), unwritable);
}

void TestMainWindow::saveAsShowsNameWithoutEscapes()
{
    Program p;
    p.addCategory("Food");
    const QString path = _files.filePath("My Budget.txt");
    cwSheetAnswerer::instance().expectFile("Save File AS", path);
    p.action("actionSaveAs")->trigger();
    QVERIFY(p.source.getFileName().endsWith("/My%20Budget.txt"));
    QCOMPARE(p.window()->windowTitle(), path);
    QCOMPARE(cwUserDefaults::standardUserDefaults().stringForKey("DataFile"), p.source.getFileName());
    QCOMPARE(readFile(path), p.source.buildData());

    // Save as into a folder that cannot take it, then Cancel: the program has no file.
    cwSheetAnswerer::instance().expectFile("Save File AS", _files.filePath("gone/x.txt"));
    cwSheetAnswerer::instance().expect("WARNING", QString(), "Cancel");
    p.action("actionSaveAs")->trigger();
    QCOMPARE(p.source.getFileName(), QString());
    QCOMPARE(p.window()->windowTitle(), QString());
}

void TestMainWindow::openingInvalidFileForgetsName()
{
    const QString path = _files.filePath("notes.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("shopping list\r\nmilk\r\n");
    file.close();

    Program p;
    p.addCategory("Food");
    const QString saved = _files.filePath("before.txt");
    p.source.setFileName(saved);
    cwSheetAnswerer::instance().expect("WARNING", "Selected file is NOT a valid data file\n", "OK");
    QVERIFY(p.source.openFile(path));
    QCOMPARE(p.source.getFileName(), QString());
    QCOMPARE(p.window()->windowTitle(), QString());
    QCOMPARE(p.names(), QStringList({"Budget", "Remain", "-----"}));
    QVERIFY(QFileInfo::exists(saved));  // the year in use was saved before the other file was read
}

void TestMainWindow::closeAndQuitSaveOnce()
{
    const QString path = _files.filePath("quit.txt");
    Program p;
    p.addCategory("Food");
    p.source.setFileName(path);
    p.window()->close();
    QCOMPARE(p.terminated.count(), 1);
    QVERIFY(QFile::remove(path));
    p.action("actionQuit")->trigger();
    QCOMPARE(p.terminated.count(), 2);
    QVERIFY(!QFileInfo::exists(path));
}

void TestMainWindow::recentDocumentsReopen()
{
    const QString path = _files.filePath("recent year.txt");
    {
        Program p;
        p.addCategory("Books");
        cwSheetAnswerer::instance().expectFile("Save File AS", path);
        p.action("actionSaveAs")->trigger();
    }
    // A later run offers the file under File > Open Recent, newest first, and opens it from there.
    Program p;
    auto* recent = p.window()->findChild<QMenu*>("menuOpenRecent");
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().first()->text(), path);
    p.source.setFileName(_files.filePath("scratch.txt"));
    recent->actions().first()->trigger();
    QCOMPARE(p.names(), QStringList({"Budget", "Remain", "-----", "Books"}));
    QCOMPARE(p.window()->windowTitle(), path);
}

void TestMainWindow::reopeningCurrentFileDropsChanges()
{
    const QString path = _files.filePath("current.txt");
    Program p;
    p.addCategory("Rent");
    p.source.setFileName(path);
    p.action("actionSave")->trigger();
    const QByteArray saved = readFile(path);
    p.addCategory("Unsaved");
    QVERIFY(p.source.openFile(path));
    QCOMPARE(p.names(), QStringList({"Budget", "Remain", "-----", "Rent"}));
    QCOMPARE(readFile(path), saved);
}

void TestMainWindow::newFileErasesModel()
{
    Program p;
    p.addCategory("Food");
    p.source.getMonthlyBudget()["may"] = "900";
    p.source.updateTotalsForMonth("may");
    // With no name, New asks for one; Cancel discards the year.
    cwSheetAnswerer::instance().expectFile(unsavedMessage, QString());
    p.action("actionNew")->trigger();
    QCOMPARE(p.names(), QStringList({"Budget", "Remain", "-----"}));
    QCOMPARE(p.cell(0, "may"), QString("0"));
    QCOMPARE(p.source.getFileName(), QString());
}

CW_TEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
