#include "cwRegisterListing.h"

#include <QStringList>

#include "cwCheckViewData.h"

QString registerListing(cwCheckViewData& data)
{
    static const QStringList titles = {"R", "Amount", "Day", "Description", "Category", "Note"};
    QString text = titles.join('\t') + '\n';
    for (int row = 0; row < data.count(); ++row) {
        QStringList cells;
        for (int position = 0; position < titles.size(); ++position)
            cells.append(data.getDataForColumnIndex(position, row));
        text += cells.join('\t') + '\n';
    }
    text += "Budget: " + data.getBudgetTotal() + '\n';
    text += "Remain: " + data.getRemaining() + '\n';
    return text;
}
