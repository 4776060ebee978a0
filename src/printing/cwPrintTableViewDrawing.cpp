#include "cwPrintTableView.h"

#include <QStringList>

#include "MyDataSource.h"
#include "cwCheckViewData.h"

namespace {

const QStringList budgetTitles = {"Category", "Avg", "Jan", "Feb", "Mar", "Apr", "May",
                                  "Jun",      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const QStringList registerTitles = {"R", "Amount", "Day", "Description", "Category", "Note"};

// The printout is black text in Verdana; where Verdana is missing, font matching picks
// the nearest face.
cwTextAttributes verdana(qreal points)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    return cwTextAttributes{font, Qt::black};
}

}  // namespace

void cwPrintTableView::drawRect(const QRectF& area)
{
    const cwTextAttributes attributes = verdana(8.0);
    const int rows = printedRowCount();
    for (int row = 0; row < rows; ++row) {
        const QRectF rowRect = rectForRowItem(row);
        if (!rowRect.intersects(area))
            continue;
        for (int column = 0; column < _columnsInTable; ++column)
            drawInRect(dataForCell(column, row), rectForCell(column, row), attributes);
    }
}

void cwPrintTableView::drawTableHeader(const cwTextAttributes& attributes, int index)
{
    const QStringList& titles = _tableId == 0 ? budgetTitles : registerTitles;

    for (int i = 0; i < titles.size(); ++i) {
        // The column's cell in that row, twice a row's height, reaching one row higher.
        QRectF header = rectForCell(i, index);
        header.setHeight(header.height() * 2.0);
        drawInRect(titles.at(i), header, attributes);
    }
}

void cwPrintTableView::drawPageBorderWithSize(const QSizeF& pageSize)
{
    const QRectF remembered = frame();
    const cwTextAttributes attributes = verdana(10.0);

    // Row rectangles now count from the page's top edge.
    setFrame(QRectF(QPointF(0, 0), pageSize));

    if (_tableId == 1) {
        QRectF line = rectForRowItem(2);
        line.moveLeft(float(_lineOffset) + float(line.x()) + 220.0f);
        drawInRect(_dataSource->monthFriendlyName(_checkData->getMonthId()), line, attributes);

        line.moveLeft(370.0f + float(_lineOffset));
        drawInRect(QStringLiteral("Budget: %1").arg(_checkData->getBudgetTotal()), line, attributes);

        line = rectForRowItem(3);
        line.moveLeft(float(_lineOffset) + float(line.x()) + 220.0f + 150.0f);
        drawInRect(QStringLiteral("Remain: %1").arg(_checkData->getRemaining()), line, attributes);
    }

    drawTableHeader(attributes, 6);

    setFrame(remembered);
}
