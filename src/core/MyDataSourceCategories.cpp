#include "MyDataSource.h"

namespace {
// A new month list: only the envelope entry, with amount "0".
cwMonthList newMonthList()
{
    return {cwRecord{{"day", "0"}, {"amount", "0"}, {"desc", "__ENVELOPE__"}, {"note", ""}, {"reconciled", " "}}};
}
}  // namespace

int MyDataSource::createCategory(const QString& name, const QString& value)
{
    // The model is keyed by name: a second category of the same name would replace the
    // first one's month map, so a name in use is refused like the empty name.
    if (name.isEmpty() || _catData.contains(name))
        return 0;
    cwRecord row{{"desc", name}, {"average", value}};
    for (const QString& monthId : _monthIds)
        row.insert(monthId, value);
    _catArray.append(row);
    if (_catArray.size() >= 4) {
        cwMonthMap months;
        for (const QString& monthId : _monthIds)
            months.insert(monthId, newMonthList());
        _catData.insert(name, months);
    }
    reloadBudgetTable();
    return 1;
}

void MyDataSource::renameCategory(int index, const QString& newName)
{
    cwRecord& row = _catArray[index];
    const QString oldName = row.value("desc");
    row.insert("desc", newName);
    _catData.insert(newName, _catData.take(oldName));
}

void MyDataSource::deleteCategoryByIndex(int index)
{
    _catData.remove(_catArray[index].value("desc"));
    _catArray.removeAt(index);
    updateView();
}

QString MyDataSource::uniqueCategoryName(const QString& base) const
{
    QString name = base;
    for (int n = 2; _catData.contains(name); ++n)
        name = QStringLiteral("%1 %2").arg(base, QString::number(n));
    return name;
}

bool MyDataSource::renameCategoryChecked(int index, const QString& newName, QWidget* window)
{
    const QString oldName = _catArray[index].value("desc");
    if (newName.isEmpty())
        return false;
    if (newName == oldName)
        return true;
    // The data file marks its structure with lines that begin with ";" and holds one value a line.
    if (newName.startsWith(';') || newName.contains('\n') || newName.contains('\r')) {
        modalAlertMessage(QStringLiteral("Category names cannot begin with \";\" or contain line breaks."),
                          QStringLiteral("Invalid Name"), false, window);
        return false;
    }
    if (_catData.contains(newName)) {
        modalAlertMessage(QStringLiteral("A category named <%1> already exists.\nPlease choose another name.").arg(newName),
                          QStringLiteral("Duplicate Category"), false, window);
        return false;
    }
    renameCategory(index, newName);
    return true;
}
