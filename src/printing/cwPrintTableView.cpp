#include "cwPrintTableView.h"

#include <algorithm>

#include "MyDataSource.h"
#include "cwCheckViewCtrl.h"
#include "cwCheckViewData.h"
#include "cwPrintInfo.h"

namespace {

const float nominalRowHeight = 14.0f;
const int leftInset = 50;
const int budgetColumns = 14;
const int registerColumns = 6;
// Room for the fixed rows and the page head when counting sheets.
const int budgetExtraRows = 4;
const int registerExtraRows = 2;

}  // namespace

std::unique_ptr<cwPrintTableView> cwPrintTableView::initWithBudgetView(MyDataSource* dataSource,
                                                                       cwPrintInfo* printInfo)
{
    const int categories = int(dataSource->getCatDataDictionary().size());
    return std::unique_ptr<cwPrintTableView>(new cwPrintTableView(0, categories, dataSource, nullptr, printInfo));
}

std::unique_ptr<cwPrintTableView> cwPrintTableView::initWithDataView(MyDataSource* dataSource,
                                                                     cwPrintInfo* printInfo)
{
    cwCheckViewData* checkData = dataSource->getCheckView()->getTableViewSource();
    return std::unique_ptr<cwPrintTableView>(
        new cwPrintTableView(1, checkData->count(), dataSource, checkData, printInfo));
}

cwPrintTableView::cwPrintTableView(int tableId, int dataRows, MyDataSource* dataSource,
                                   cwCheckViewData* checkData, cwPrintInfo* printInfo)
    : cwPrintableView(QRectF())
    , _tableId(tableId)
    , _columnsInTable(tableId == 0 ? budgetColumns : registerColumns)
    , _lineOffset(leftInset)
    , _printInfo(printInfo)
    , _dataSource(dataSource)
    , _checkData(checkData)
{
    const QSizeF paper = printInfo->paperSize();
    const float paperWidth = float(paper.width());
    const float paperHeight = float(paper.height());

    // A sheet lower than one row still holds one, so that the counting below stays defined.
    _rowsPerPage = std::max(1, int(paperHeight / nominalRowHeight));

    const int rows = dataRows + (tableId == 0 ? budgetExtraRows : registerExtraRows);
    _pages = rows / _rowsPerPage + (rows % _rowsPerPage != 0 ? 1 : 0);

    setFrame(QRectF(0, 0, paperWidth, float(_pages) * paperHeight));

    // The nominal height stretched so that the rows fill the sheet exactly.
    _rectHeight = paperHeight / float(_rowsPerPage);
}

bool cwPrintTableView::knowsPageRange(cwPageRange& range)
{
    range.location = 1;
    range.length = 1;
    const int rows = printedRowCount();
    const float stripHeight = calculatePrintHeight();
    if (rows <= 0 || !(stripHeight > 0.0f))
        return true;

    // Enough strips, counted from the top, for the lowest row to lie above the last
    // strip's lower edge.
    const float lowestRowBottom = float(rectForRowItem(rows - 1).y());
    while (float(rectForPage(int(range.length)).y()) > lowestRowBottom)
        ++range.length;
    return true;
}

QRectF cwPrintTableView::rectForPage(int page)
{
    const float stripHeight = calculatePrintHeight();
    const QRectF b = bounds();
    const float top = float(b.y()) + float(b.height());
    return QRectF(b.x(), top - float(page) * stripHeight, b.width(), stripHeight);
}

QRectF cwPrintTableView::rectForRowItem(int row) const
{
    const QRectF b = bounds();
    const float top = float(b.y()) + float(b.height());
    return QRectF(b.x(), top - float(row + 1) * _rectHeight, b.width(), _rectHeight);
}

QRectF cwPrintTableView::rectForCell(int column, int row) const
{
    const QRect screenColumn = rectOfTableColumn(column);
    const float scale = columnScale();
    QRectF cell = rectForRowItem(row);
    cell.setX(float(_lineOffset) + float(screenColumn.x()) * scale);
    cell.setWidth(float(screenColumn.width()) * scale);
    return cell;
}

float cwPrintTableView::columnScale() const
{
    // Columns print at 8/10 of their on-screen size. A table wider on screen than the sheet
    // holds at that size is narrowed further, so that its last columns are not cut off the
    // sheet's right edge; the margin on the right then equals the inset on the left.
    float screenRight = 0.0f;
    for (int column = 0; column < _columnsInTable; ++column) {
        const QRect screenColumn = rectOfTableColumn(column);
        screenRight = std::max(screenRight, float(screenColumn.x() + screenColumn.width()));
    }
    const float scale = 8.0f / 10.0f;
    const float room = float(_printInfo->paperSize().width()) - 2.0f * float(_lineOffset);
    if (screenRight * scale <= room || !(room > 0.0f))
        return scale;
    return room / screenRight;
}

float cwPrintTableView::calculatePrintHeight() const
{
    const float margins = _printInfo->topMargin() + _printInfo->bottomMargin();
    return (float(_printInfo->paperSize().height()) - margins) / _printInfo->scalingFactor();
}

int cwPrintTableView::rowsPerPage() const
{
    return _rowsPerPage;
}

int cwPrintTableView::pages() const
{
    return _pages;
}

float cwPrintTableView::rectHeight() const
{
    return _rectHeight;
}

int cwPrintTableView::printedRowCount() const
{
    if (_tableId == 0)
        return int(_dataSource->getCatDataDictionary().size()) + 3;
    return _checkData->count();
}

QRect cwPrintTableView::rectOfTableColumn(int column) const
{
    return _tableId == 0 ? _dataSource->rectOfTableColumn(column) : _checkData->rectOfTableColumn(column);
}

QString cwPrintTableView::dataForCell(int column, int row) const
{
    return _tableId == 0 ? _dataSource->getDataForColumnIndex(column, row)
                         : _checkData->getDataForColumnIndex(column, row);
}
