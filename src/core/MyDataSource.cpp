#include "MyDataSource.h"

#include "cwTableView.h"
#include "cwUserDefaults.h"

namespace {
MyDataSource* theInstance = nullptr;
}

MyDataSource::MyDataSource()
{
    initialize();
    _appVersion = QStringLiteral(COINWICK_VERSION);
    _fileSynced = false;
    _monthIds = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    _monthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QStringList fullNames = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    for (int i = 0; i < _monthIds.size(); ++i) {
        _monthFriendlyNames.insert(_monthIds[i], fullNames[i]);
        _monthlyBudget.insert(_monthIds[i], QStringLiteral("0"));
    }
    _catArray.reserve(3);
    theInstance = this;
}

MyDataSource::~MyDataSource()
{
    if (theInstance == this)
        theInstance = nullptr;
}

MyDataSource* MyDataSource::getMyDataSource()
{
    return theInstance;
}

void MyDataSource::initialize()
{
    cwUserDefaults::standardUserDefaults().registerDefaults({
        {"SyncData", false},
        {"SVNRunScript", false},
        {"SortData", true},
        {"EnvelopeView", false},
        {"EnvelopeCarryOver", false},
        {"DataFile", QString()},
        {"CurrentVersion", QString()},
    });
}

void MyDataSource::createFixedRows()
{
    createCategory(QStringLiteral("Budget"), QStringLiteral("0"));
    createCategory(QStringLiteral("Remain"), QStringLiteral("0"));
    createCategory(QStringLiteral("-----"), QStringLiteral("-----"));
}

QList<cwRecord>& MyDataSource::getCatArray()
{
    return _catArray;
}

cwCategoryData& MyDataSource::getCatDataDictionary()
{
    return _catData;
}

QMap<QString, QString>& MyDataSource::getMonthlyBudget()
{
    return _monthlyBudget;
}

QString MyDataSource::getVersion() const
{
    return _appVersion;
}

bool MyDataSource::isEnvelopeEnabled() const
{
    return _envelopeMode;
}

void MyDataSource::setEnvelopeMode(bool on)
{
    _envelopeMode = on;
}

cwCheckViewCtrl* MyDataSource::getCheckView() const
{
    return _checkView;
}

QWidget* MyDataSource::getMainWindow() const
{
    return _mainWindow;
}

QString MyDataSource::monthFriendlyName(const QString& monthId) const
{
    return _monthFriendlyNames.value(monthId);
}

int MyDataSource::monthIndex(const QString& monthId) const
{
    const int index = _monthIds.indexOf(monthId);
    return index < 0 ? 0 : index;
}

QString MyDataSource::monthIdString(int index) const
{
    return index >= 0 && index < _monthIds.size() ? _monthIds[index] : _monthIds[0];
}

const QStringList& MyDataSource::monthIds() const
{
    return _monthIds;
}

const QStringList& MyDataSource::monthNames() const
{
    return _monthNames;
}

void MyDataSource::reloadBudgetTable()
{
    if (_ourTableView)
        _ourTableView->reloadData();
}
