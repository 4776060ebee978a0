#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "cwBundle.h"
#include "cwFilePanel.h"
#include "cwModalWinController.h"
#include "cwSavePanel.h"
#include "cwSheetCtrl.h"
#include "cwTableDataSource.h"
#include "cwTableView.h"
#include "support/cwSheetAnswerer.h"
#include "support/cwTestMain.h"

namespace {

// A sheet with a title, a line of text and two buttons; it records what happened and in
// which order, and can open a second sheet from its own button.
class SampleSheet : public cwSheetCtrl
{
public:
    SampleSheet()
    {
        auto* layout = new QVBoxLayout(_myCustomSheet);
        _title = new QLabel(_myCustomSheet);
        _title->setObjectName("_windowTitle");
        _edit = new QLineEdit(_myCustomSheet);
        auto* done = new QPushButton("Done", _myCustomSheet);
        auto* nested = new QPushButton("Nested", _myCustomSheet);
        layout->addWidget(_title);
        layout->addWidget(_edit);
        layout->addWidget(done);
        layout->addWidget(nested);
        connect(done, &QPushButton::clicked, this, [this] {
            closeModalSheet();
            log.append(_myCustomSheet->isVisible() ? "closed while visible" : "closed hidden");
        });
        connect(nested, &QPushButton::clicked, this, [this] {
            inner->open(_myCustomSheet, "Inner");
            log.append("inner returned");
        });
    }
    void open(QWidget* parent, const QString& title)
    {
        _title->setText(title);
        openModalSheet(parent);
        log.append("returned " + title);
    }
    QLineEdit* _edit;
    QLabel* _title;
    QStringList log;
    SampleSheet* inner = nullptr;
};

// A small data source: five named rows, the first two fixed.
class Fruit : public cwTableDataSource
{
public:
    QStringList names{"Budget", "Remain", "Apples", "Pears", "Plums"};
    QList<int> checks{0, 0, 1, 0, 0};
    QStringList asked;

    int numberOfRowsInTableView() override { return int(names.size()); }
    QVariant objectValueForTableColumn(const QString& column, int row) override
    {
        if (column == "mark")
            return checks[row];
        return column == "name" ? names[row] : QString::number(row * 10);
    }
    void setObjectValue(const QVariant& value, const QString& column, int row) override
    {
        if (column == "mark")
            checks[row] = value.toInt();
        else if (column == "name")
            names[row] = value.toString();
    }
    bool shouldEditTableColumn(const QString& column, int row) override
    {
        asked.append(QString("edit %1 %2").arg(column).arg(row));
        return row >= 2;
    }
    bool shouldSelectRow(int row) override { return row != 1; }
    bool shouldSelectTableColumn(const QString& column) override
    {
        asked.append("header " + column);
        return false;
    }
    bool writeRowsWithIndexes(const QList<int>& rows, QMimeData* pasteboard) override
    {
        if (rows.first() < 2)
            return false;
        pasteboard->setData("test/rows", QByteArray::number(rows.first()));
        return true;
    }
    Qt::DropActions validateDrop(const QMimeData*, int row, DropOperation) override
    {
        return row >= 2 ? Qt::MoveAction : Qt::IgnoreAction;
    }
    bool acceptDrop(const QMimeData* info, int row, DropOperation operation) override
    {
        asked.append(QString("drop %1 at %2 %3")
                         .arg(QString::fromLatin1(info->data("test/rows")))
                         .arg(row)
                         .arg(operation == DropOperation::On ? "on" : "above"));
        return true;
    }
};

}  // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void sheetReturnsAfterItsActionFinished();
    void sheetsNestAndKeepTheirContents();
    void unansweredSheetIsDismissed();

    void tableShowsTheSourceCells();
    void tableAsksBeforeEditing();
    void tableCheckBoxToggles();
    void tableRefusesUnselectableRows();
    void tableHeaderClickAsksTheSource();
    void tableDragAndDropGoThroughTheSource();
    void tableColumnRectangles();

    void frameUnderTitleBar();
    void bundleExecutable_data();
    void bundleExecutable();
    void fileURLTextIsEscaped();
    void savePanelDeliversChosenFile();

private:
    QWidget* window();
    QScopedPointer<QWidget> _window;
};

QWidget* TestPlatform::window()
{
    if (!_window) {
        _window.reset(new QWidget);
        _window->resize(600, 400);
        _window->show();
    }
    return _window.get();
}

void TestPlatform::cleanup()
{
    const QStringList failures = cwSheetAnswerer::instance().takeFailures();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestPlatform::sheetReturnsAfterItsActionFinished()
{
    SampleSheet sheet;
    cwSheetAnswerer::instance().expect("First", QString(), "Done");
    sheet.open(window(), "First");
    // The action ran to its end with the sheet still up; the opener resumed after it.
    QCOMPARE(sheet.log, QStringList({"closed while visible", "returned First"}));
    QVERIFY(!sheet.sheetWindow()->isVisible());
    QVERIFY(!sheet.isSheetOpen());
}

void TestPlatform::sheetsNestAndKeepTheirContents()
{
    SampleSheet outer;
    SampleSheet inner;
    outer.inner = &inner;
    auto& answers = cwSheetAnswerer::instance();
    answers.expect("Outer", QString(), "Nested");
    answers.expect("Inner", QString(), "Done");
    answers.expect("Outer", QString(), "Done");
    outer._edit->setText("typed once");
    outer.open(window(), "Outer");
    QCOMPARE(inner.log, QStringList({"closed while visible", "returned Inner"}));
    QCOMPARE(outer.log, QStringList({"inner returned", "closed while visible", "returned Outer"}));
    QCOMPARE(inner.sheetWindow()->parentWidget(), outer.sheetWindow());

    // A second opening finds the controls as the first left them.
    answers.expect("Outer", QString(), "Done");
    outer.open(window(), "Outer");
    QCOMPARE(outer._edit->text(), QString("typed once"));
}

void TestPlatform::unansweredSheetIsDismissed()
{
    // Nobody expects this sheet: the answerer records it and presses Escape, which closes it.
    SampleSheet sheet;
    sheet.open(window(), "Escaped");
    QCOMPARE(sheet.log, QStringList({"returned Escaped"}));
    QCOMPARE(cwSheetAnswerer::instance().takeFailures(), QStringList({"Unexpected sheet: \"Escaped\" / \"\""}));
}

namespace {

struct Table {
    Fruit fruit;
    cwTableView view;
    Table()
    {
        view.addTableColumn("mark", "R", 30, cwTableView::CellKind::CheckBox);
        view.addTableColumn("name", "Name", 120);
        view.addTableColumn("value", "Value", 80, cwTableView::CellKind::Text, Qt::AlignRight);
        view.setDataSource(&fruit);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    QPoint cellCentre(int row, int column)
    {
        return view.visualRect(view.model()->index(row, column)).center();
    }
};

}  // namespace

void TestPlatform::tableShowsTheSourceCells()
{
    Table t;
    QAbstractItemModel* model = t.view.model();
    QCOMPARE(model->rowCount(), 5);
    QCOMPARE(model->columnCount(), 3);
    QCOMPARE(model->index(2, 1).data().toString(), QString("Apples"));
    QCOMPARE(model->index(3, 2).data().toString(), QString("30"));
    QCOMPARE(model->index(2, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Name"));
    QCOMPARE(t.view.columnWithIdentifier("value"), 2);
    QCOMPARE(t.view.columnWithIdentifier("nothing"), -1);

    t.fruit.names.append("Quinces");
    t.view.selectRow(3);
    t.view.reloadData();
    QCOMPARE(model->rowCount(), 6);
    QCOMPARE(t.view.selectedRow(), 3);  // a reload keeps the selection
    QCOMPARE(t.view.columnWidth(1), 120);
}

void TestPlatform::tableAsksBeforeEditing()
{
    Table t;
    // A double click on a row the source refuses to edit opens nothing.
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(0, 1));
    QTest::mouseDClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(0, 1));
    QCOMPARE(t.fruit.asked, QStringList({"edit name 0"}));
    QVERIFY(!t.view.indexWidget(t.view.model()->index(0, 1)));

    // An allowed edit stores what was typed once Return ends it.
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(3, 1));
    QTest::mouseDClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(3, 1));
    auto* editor = qobject_cast<QLineEdit*>(t.view.indexWidget(t.view.model()->index(3, 1)));
    QVERIFY(editor);
    editor->setText("Peaches");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(t.fruit.names[3], QString("Peaches"));

    // The program may open a cell itself, without being asked, with the text selected.
    t.fruit.asked.clear();
    t.view.editColumn(1, 0, true);
    editor = qobject_cast<QLineEdit*>(t.view.indexWidget(t.view.model()->index(0, 1)));
    QVERIFY(editor);
    QCOMPARE(editor->selectedText(), QString("Budget"));
    QVERIFY(t.fruit.asked.isEmpty());
}

void TestPlatform::tableCheckBoxToggles()
{
    Table t;
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(3, 0));
    QCOMPARE(t.fruit.checks[3], 1);
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(3, 0));
    QCOMPARE(t.fruit.checks[3], 0);
    // The source refuses edits of row 0, so its box stays as it is.
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(0, 0));
    QCOMPARE(t.fruit.checks[0], 0);
}

void TestPlatform::tableRefusesUnselectableRows()
{
    Table t;
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(2, 1));
    QCOMPARE(t.view.selectedRow(), 2);
    QTest::mouseClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(1, 1));
    QCOMPARE(t.view.selectedRow(), 2);
    QTest::mouseDClick(t.view.viewport(), Qt::LeftButton, {}, t.cellCentre(1, 1));
    QVERIFY(!t.view.indexWidget(t.view.model()->index(1, 1)));  // no edit without a selectable row
    t.view.deselectAll();
    QCOMPARE(t.view.selectedRow(), -1);
    t.view.selectRow(1);  // the program itself may select any row
    QCOMPARE(t.view.selectedRows(), QList<int>({1}));
}

void TestPlatform::tableHeaderClickAsksTheSource()
{
    Table t;
    QHeaderView* header = t.view.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(2) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(t.fruit.asked, QStringList({"header value"}));
    QVERIFY(t.view.selectionModel()->selectedIndexes().isEmpty());
}

void TestPlatform::tableDragAndDropGoThroughTheSource()
{
    Table t;
    QAbstractItemModel* model = t.view.model();
    t.view.registerForDraggedTypes({"test/rows"});
    QVERIFY(!model->mimeData({model->index(1, 1)}));  // the source refuses a drag of a fixed row
    QScopedPointer<QMimeData> drag(model->mimeData({model->index(4, 0), model->index(4, 1)}));
    QVERIFY(drag);
    QCOMPARE(drag->data("test/rows"), QByteArray("4"));

    QVERIFY(!model->canDropMimeData(drag.get(), Qt::MoveAction, 1, 0, {}));
    QVERIFY(model->canDropMimeData(drag.get(), Qt::MoveAction, 3, 0, {}));
    QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, 3, 0, {}));
    QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, -1, -1, model->index(2, 1)));
    QVERIFY(model->dropMimeData(drag.get(), Qt::MoveAction, -1, -1, {}));
    QVERIFY(!model->dropMimeData(drag.get(), Qt::MoveAction, 0, 0, {}));
    QCOMPARE(t.fruit.asked, QStringList({"drop 4 at 3 above", "drop 4 at 2 on", "drop 4 at 5 above"}));
}

void TestPlatform::tableColumnRectangles()
{
    Table t;
    t.view.setColumnWidth(1, 150);
    QCOMPARE(t.view.rectOfColumn(0).x(), 0);
    QCOMPARE(t.view.rectOfColumn(1), QRect(30, 0, 150, 5 * t.view.verticalHeader()->defaultSectionSize()));
    QCOMPARE(t.view.rectOfColumn(2).x(), 180);
    QVERIFY(t.view.rectOfColumn(3).isNull());
}

void TestPlatform::frameUnderTitleBar()
{
    const QRect parent(100, 100, 800, 600);
    QCOMPARE(cwModalWinController::frameUnderTitleBar(parent, {300, 200}, false), QRect(350, 100, 300, 200));
    QCOMPARE(cwModalWinController::frameUnderTitleBar(parent, {300, 200}, true), QRect(350, 100, 300, 100));

    cwModalWinController progress;
    progress.window()->resize(300, 200);
    window()->setGeometry(parent);
    progress.showFromTitleBar(window(), true);
    QCOMPARE(progress.window()->geometry(), QRect(350, window()->geometry().y(), 300, 200));
    progress.closeWindow();
    QVERIFY(!progress.window()->isVisible());
}

void TestPlatform::bundleExecutable_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<bool>("found");
    QTest::newRow("bundle with its program") << "Helper.app" << "Helper" << true << true;
    QTest::newRow("program not executable") << "Helper.app" << "Helper" << false << false;
    QTest::newRow("program of another name") << "Helper.app" << "Other" << true << false;
    QTest::newRow("folder is no bundle") << "Helper" << "Helper" << true << false;
}

void TestPlatform::bundleExecutable()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(bool, executable);
    QFETCH(bool, found);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(folder));
    QFile program(dir.filePath(folder + "/" + file));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.close();
    if (executable)
        program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    const QString expected = found ? QFileInfo(program).absoluteFilePath() : QString();
    QCOMPARE(cwBundle::executablePath(dir.filePath(folder)), expected);
    QCOMPARE(cwBundle::executablePath(dir.filePath("Missing.app")), QString());
    QCOMPARE(cwBundle::version(), QString(COINWICK_VERSION));
}

void TestPlatform::fileURLTextIsEscaped()
{
    QCOMPARE(cwFilePanel::fileURLText("/home/a/My Budget.txt"), QString("file://localhost/home/a/My%20Budget.txt"));
    QCOMPARE(cwFilePanel::fileURLText("/home/a/50%.txt"), QString("file://localhost/home/a/50%25.txt"));
}

void TestPlatform::savePanelDeliversChosenFile()
{
    QTemporaryDir dir;
    auto& answers = cwSheetAnswerer::instance();
    cwSavePanel panel;
    panel.setAllowedFileTypes({"txt"});
    panel.setMessage("Choose a name");
    answers.expectFile("Choose a name", dir.filePath("My Budget.txt"));
    QCOMPARE(panel.runModalForDirectory(dir.path(), ""), 1);
    QCOMPARE(panel.URL(), cwFilePanel::fileURLText(dir.filePath("My Budget.txt")));
    QVERIFY(!QFile::exists(dir.filePath("My Budget.txt")));  // a panel only names the file

    answers.expectFile("Choose a name", QString());
    QCOMPARE(panel.runModalForDirectory(dir.path(), ""), 0);
    QCOMPARE(panel.URL(), QString());
}

CW_TEST_MAIN(TestPlatform)
#include "TestPlatform.moc"
