#pragma once

#include <memory>

#include "cwPrintableView.h"

class MyDataSource;
class cwCheckViewData;
class cwPrintInfo;

// The printable form of the budget table or of the register's month on display: an
// off-screen view as tall as a whole number of sheets, with one row per table row. Column
// positions and widths follow the on-screen table, at 8/10 of their size (less when the table
// would not fit the sheet) and 50 points in from the left; the cell texts are those the on-screen table shows. The view serves one
// print operation and owns nothing it refers to.
class cwPrintTableView : public cwPrintableView
{
public:
    static std::unique_ptr<cwPrintTableView> initWithBudgetView(MyDataSource* dataSource, cwPrintInfo* printInfo);
    static std::unique_ptr<cwPrintTableView> initWithDataView(MyDataSource* dataSource, cwPrintInfo* printInfo);

    // ---- pagination and layout (cwPrintTableView.cpp) ----
    bool knowsPageRange(cwPageRange& range) override;
    QRectF rectForPage(int page) override;
    QRectF rectForRowItem(int row) const;
    QRectF rectForCell(int column, int row) const;
    float calculatePrintHeight() const;

    int rowsPerPage() const;
    int pages() const;
    float rectHeight() const;

    // ---- drawing (cwPrintTableViewDrawing.cpp) ----
    void drawRect(const QRectF& area) override;
    void drawTableHeader(const cwTextAttributes& attributes, int index);
    void drawPageBorderWithSize(const QSizeF& pageSize) override;

private:
    cwPrintTableView(int tableId, int dataRows, MyDataSource* dataSource, cwCheckViewData* checkData,
                     cwPrintInfo* printInfo);

    int printedRowCount() const;  // the rows of the on-screen table, read afresh
    QRect rectOfTableColumn(int column) const;
    float columnScale() const;
    QString dataForCell(int column, int row) const;

    int _rowsPerPage;
    int _pages;
    float _rectHeight;
    int _tableId;  // 0 the budget table, 1 the register
    int _columnsInTable;
    int _lineOffset;
    cwPrintInfo* _printInfo;
    MyDataSource* _dataSource;
    cwCheckViewData* _checkData;
};
