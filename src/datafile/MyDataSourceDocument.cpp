#include "MyDataSource.h"

#include "cwUserDefaults.h"

void MyDataSource::setFileName(const QString& name)
{
    _fileName = name;
    cwUserDefaults::standardUserDefaults().setObject(name, QStringLiteral("DataFile"));
    // The main window's title follows the name here once the main window exists.
}

void MyDataSource::eraseAllData()
{
    for (const QString& monthId : _monthIds) {
        _catArray[0].insert(monthId, QStringLiteral("0"));
        _monthlyBudget.insert(monthId, QStringLiteral("0"));
    }
    while (_catArray.size() > 3)
        deleteCategoryByIndex(3);
}
