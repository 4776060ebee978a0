// The printable budget table and register: sheets, rows, page strips and cells in points,
// with y growing upwards from the view's bottom edge.
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTabWidget>

#include "MyDataSource.h"
#include "cwTableView.h"
#include "cwUserDefaults.h"
#include "cwPrintInfo.h"
#include "cwPrintTableView.h"
#include "support/cwTestMain.h"
#include "support/cwWhenShown.h"

class TestPrintTableView : public QObject
{
    Q_OBJECT

private slots:
    void sheetsAndRows_data();
    void sheetsAndRows();
    void stripsOfTwoPageView();
    void pageRangeCoversEveryRow_data();
    void pageRangeCoversEveryRow();
    void cellsFollowTheScreenColumns();
    void printCommandPrintsTheShownTable();
};

namespace {

struct Budget
{
    explicit Budget(int categories)
    {
        model.createFixedRows();
        for (int i = 0; i < categories; ++i)
            model.createCategory(QStringLiteral("Category %1").arg(i), QStringLiteral("0"));
    }
    ~Budget() { model.takeHeadlessAlerts(); }
    MyDataSource model;
};

cwPrintInfo printInfo(QPageSize::PageSizeId paper, float margin = 90.0f)
{
    cwPrintInfo info;
    info.setPaperSize(QPageSize(paper));
    info.setMargins(margin, margin);
    return info;
}

}  // namespace

void TestPrintTableView::sheetsAndRows_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<int>("categories");
    QTest::addColumn<int>("rowsPerPage");
    QTest::addColumn<float>("rowHeight");
    QTest::addColumn<int>("sheets");

    // Categories plus four rows decide the sheets.
    QTest::newRow("letter, no categories") << QPageSize::Letter << 0 << 56 << 14.142858f << 1;
    QTest::newRow("letter, 52 fill one sheet") << QPageSize::Letter << 52 << 56 << 14.142858f << 1;
    QTest::newRow("letter, 53 need two") << QPageSize::Letter << 53 << 56 << 14.142858f << 2;
    QTest::newRow("a4, no categories") << QPageSize::A4 << 0 << 60 << 14.033334f << 1;
    QTest::newRow("a4, 56 fill one sheet") << QPageSize::A4 << 56 << 60 << 14.033334f << 1;
    QTest::newRow("a4, 117 need three") << QPageSize::A4 << 117 << 60 << 14.033334f << 3;
}

void TestPrintTableView::sheetsAndRows()
{
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(int, categories);
    QFETCH(int, rowsPerPage);
    QFETCH(float, rowHeight);
    QFETCH(int, sheets);

    Budget budget(categories);
    cwPrintInfo info = printInfo(paper);
    const auto view = cwPrintTableView::initWithBudgetView(&budget.model, &info);

    QCOMPARE(view->rowsPerPage(), rowsPerPage);
    QCOMPARE(view->rectHeight(), rowHeight);
    QCOMPARE(view->pages(), sheets);
    const QSizeF sheet = info.paperSize();
    QCOMPARE(view->frame(), QRectF(0, 0, sheet.width(), sheets * sheet.height()));

    // Row 0 touches the top edge; the rows of one sheet fill it exactly.
    QCOMPARE(float(view->rectForRowItem(0).bottom()), float(sheets * sheet.height()));
    QCOMPARE(float(view->rectForRowItem(rowsPerPage - 1).y()), float((sheets - 1) * sheet.height()));
}

void TestPrintTableView::stripsOfTwoPageView()
{
    Budget budget(53);
    cwPrintInfo info = printInfo(QPageSize::Letter);
    const auto view = cwPrintTableView::initWithBudgetView(&budget.model, &info);

    QCOMPARE(view->bounds().height(), 1584.0);
    QCOMPARE(view->calculatePrintHeight(), 612.0f);
    QCOMPARE(view->rectForPage(1), QRectF(0, 972, 612, 612));
    QCOMPARE(view->rectForPage(2), QRectF(0, 360, 612, 612));
    const QRectF row0 = view->rectForRowItem(0);
    QCOMPARE(float(row0.y()), 1569.8572f);
    QCOMPARE(float(row0.height()), 14.142858f);
    QCOMPARE(row0.x(), 0.0);
    QCOMPARE(row0.width(), 612.0);

    // The strips follow the print information at every call.
    info.setScalingFactor(2.0f);
    QCOMPARE(view->calculatePrintHeight(), 306.0f);
    QCOMPARE(view->rectForPage(2), QRectF(0, 972, 612, 306));
}

void TestPrintTableView::pageRangeCoversEveryRow_data()
{
    QTest::addColumn<int>("categories");
    QTest::addColumn<float>("margin");
    QTest::addColumn<int>("pages");

    // Strips of 612 points hold a little over 43 rows.
    QTest::newRow("no categories") << 0 << 90.0f << 1;
    QTest::newRow("40 categories, 43 rows") << 40 << 90.0f << 1;
    QTest::newRow("41 categories, 44 rows") << 41 << 90.0f << 2;
    QTest::newRow("52 categories on one sheet") << 52 << 90.0f << 2;
    QTest::newRow("52 categories, no margins") << 52 << 0.0f << 1;
    QTest::newRow("130 categories on three sheets") << 130 << 90.0f << 4;
}

void TestPrintTableView::pageRangeCoversEveryRow()
{
    QFETCH(int, categories);
    QFETCH(float, margin);
    QFETCH(int, pages);

    Budget budget(categories);
    cwPrintInfo info = printInfo(QPageSize::Letter, margin);
    const auto view = cwPrintTableView::initWithBudgetView(&budget.model, &info);

    cwPageRange range;
    range.location = 7;
    QVERIFY(view->knowsPageRange(range));
    QCOMPARE(range.location, 1u);
    QCOMPARE(int(range.length), pages);

    // The last strip reaches below the lowest row, the one before it does not.
    const QRectF lowest = view->rectForRowItem(categories + 2);
    QVERIFY(view->rectForPage(pages).y() <= lowest.y());
    if (pages > 1)
        QVERIFY(view->rectForPage(pages - 1).y() > lowest.y());
}

namespace {

// The main window as the user finds it, with no about sheet in the way.
struct Program
{
    Program()
    {
        cwUserDefaults::standardUserDefaults().setObject(QStringLiteral(COINWICK_VERSION), "CurrentVersion");
        loaded = source.loadMainWindow();
    }
    cwTableView* table(const char* name) { return source.getMainWindow()->findChild<cwTableView*>(name); }

    MyDataSource source;
    bool loaded = false;
};

}  // namespace

void TestPrintTableView::cellsFollowTheScreenColumns()
{
    Program program;
    QVERIFY(program.loaded);
    QHeaderView* header = program.table("_ourTableView")->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->resizeSection(0, 150);
    header->resizeSection(1, 60);
    for (int month = 2; month < 14; ++month)
        header->resizeSection(month, 35);

    cwPrintInfo info = printInfo(QPageSize::Letter);
    const auto view = cwPrintTableView::initWithBudgetView(&program.source, &info);
    // 8/10 of the screen column, 50 points in; the row's height and place.
    const QRectF row = view->rectForRowItem(2);
    QCOMPARE(view->rectForCell(0, 2), QRectF(50, row.y(), 120, row.height()));
    QCOMPARE(view->rectForCell(1, 2), QRectF(170, row.y(), 48, row.height()));

    // A column widened on screen widens in print.
    header->resizeSection(0, 160);
    QCOMPARE(view->rectForCell(1, 2).x(), 178.0);

    // A table too wide for the sheet at 8/10 is narrowed until December ends 50 points
    // before the sheet's right edge, its columns keeping their proportions.
    header->resizeSection(0, 790);
    const QRectF december = view->rectForCell(13, 2);
    QCOMPARE(float(december.x() + december.width()), 612.0f - 50.0f);
    QCOMPARE(float(view->rectForCell(1, 2).width()), float(view->rectForCell(0, 2).width()) * 60.0f / 790.0f);
}

void TestPrintTableView::printCommandPrintsTheShownTable()
{
    Program program;
    QVERIFY(program.loaded);
    for (int i = 0; i < 53; ++i)
        program.source.createCategory(QStringLiteral("Category %1").arg(i), QStringLiteral("0"));
    auto* tabs = program.source.getMainWindow()->findChild<QTabWidget*>("_ourTabView");
    QVERIFY(tabs);

    // The print dialog's preview shows what would print: 56 budget rows make two pages
    // of 612 points, a month without entries one page.
    for (int tab : {0, 1}) {
        tabs->setCurrentIndex(tab);
        int previewPages = -1;
        whenShown<QPrintDialog>([&previewPages](QPrintDialog* dialog) {
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Preview…")) {
                    whenShown<QPrintPreviewDialog>([&previewPages](QPrintPreviewDialog* preview) {
                        previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                        preview->reject();
                    });
                    button->click();
                    return;
                }
            dialog->reject();
        });
        program.source.menuPrint();
        QCOMPARE(previewPages, tab == 0 ? 2 : 1);
    }
}

CW_TEST_MAIN(TestPrintTableView)

#include "TestPrintTableView.moc"
