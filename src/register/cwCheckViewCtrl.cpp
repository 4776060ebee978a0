#include "cwCheckViewCtrl.h"

#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "MyDataSource.h"
#include "cwCategoryEditWinCtrl.h"
#include "cwCheckViewData.h"
#include "cwDecimalNumber.h"
#include "cwEnvelopeWinController.h"
#include "cwTableView.h"
#include "ui_MainMenu.h"

namespace {
// Sort method of a clicked column header; -1 for the check box column, which does not sort.
int sortMethodForColumn(const QString& column)
{
    static const QStringList keys = {"day", "category", "amount", "desc", "note"};
    return keys.indexOf(column);
}
}

cwCheckViewCtrl::cwCheckViewCtrl(QWidget* window, const Ui::MainMenu& form)
    : _ourWindow(window)
    , _ourTableView(form.registerTable)
    , _title(form.registerTitle)
    , _totalAmount(form.registerTotalAmount)
    , _remainAmount(form.registerRemainAmount)
    , _remainTitle(form.registerRemainTitle)
    , _dataSource(std::make_unique<cwCheckViewData>())
{
    using Kind = cwTableView::CellKind;
    _ourTableView->addTableColumn("reconciled", "R", 28, Kind::CheckBox, Qt::AlignCenter);
    _ourTableView->addTableColumn("amount", "Amount", 90, Kind::Text, Qt::AlignRight | Qt::AlignVCenter);
    _ourTableView->addTableColumn("day", "Day", 48, Kind::Text, Qt::AlignRight | Qt::AlignVCenter);
    _ourTableView->addTableColumn("desc", "Description", 260);
    _ourTableView->addTableColumn("category", "Category", 170, Kind::ComboBox);
    _ourTableView->addTableColumn("note", "Note", 220);
    _ourTableView->horizontalHeader()->setStretchLastSection(true);
    _ourTableView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    _dataSource->setOutlets(this, _ourTableView);
    _ourTableView->setDataSource(_dataSource.get());

    connect(form.registerPrevious, &QPushButton::clicked, this, &cwCheckViewCtrl::decrementMonth);
    connect(form.registerNext, &QPushButton::clicked, this, &cwCheckViewCtrl::incrementMonth);
    connect(form.registerAdd, &QPushButton::clicked, this, &cwCheckViewCtrl::addData);
    connect(form.registerDelete, &QPushButton::clicked, this, &cwCheckViewCtrl::delData);
    connect(form.registerCarryOver, &QPushButton::clicked, this, &cwCheckViewCtrl::carryOver);
    connect(form.registerEditCategories, &QPushButton::clicked, this, &cwCheckViewCtrl::btnEditCategories);
    connect(form._fillEnvelope, &QPushButton::clicked, this, &cwCheckViewCtrl::btnEditEnvelopes);
    connect(form.registerHelp, &QPushButton::clicked, this, &cwCheckViewCtrl::btnHelp);
}

cwCheckViewCtrl::~cwCheckViewCtrl()
{
    _ourTableView->setDataSource(nullptr);
}

cwCheckViewData* cwCheckViewCtrl::getTableViewSource() const
{
    return _dataSource.get();
}

cwTableView* cwCheckViewCtrl::getTableView() const
{
    return _ourTableView;
}

int cwCheckViewCtrl::getMonthIndex() const
{
    return _monthIndex;
}

void cwCheckViewCtrl::setMonthTitle(const QString& monthId)
{
    _title->setText(MyDataSource::getMyDataSource()->monthFriendlyName(monthId));
}

void cwCheckViewCtrl::setTotal(const QString& total, const QString& remaining)
{
    _totalAmount->setText(total);
    _remainAmount->setText(remaining);
    QPalette palette = _remainAmount->palette();
    const bool negative = cwDecimalNumber::decimalNumberWithString(remaining).compareWithZero() < 0;
    palette.setColor(QPalette::WindowText,
                     negative ? QColor(Qt::red) : _remainTitle->palette().color(QPalette::WindowText));
    _remainAmount->setPalette(palette);
}

void cwCheckViewCtrl::initView()
{
    _monthIndex = QDate::currentDate().month() - 1;
    if (_monthIndex < 0 || _monthIndex > 11)
        _monthIndex = 0;
    _dataSource->loadMonthData(MyDataSource::getMyDataSource()->monthIdString(_monthIndex));
    _dataSource->sortByMethod(0);
}

void cwCheckViewCtrl::closeView()
{
    _dataSource->storeAndReleaseMonthData();
}

void cwCheckViewCtrl::openMonth(int index)
{
    _dataSource->storeAndReleaseMonthData();
    _monthIndex = index;
    _dataSource->loadMonthData(MyDataSource::getMyDataSource()->monthIdString(_monthIndex));
}

void cwCheckViewCtrl::decrementMonth()
{
    if (_monthIndex <= 0)
        return;
    openMonth(_monthIndex - 1);
}

void cwCheckViewCtrl::incrementMonth()
{
    if (_monthIndex > 10)
        return;
    openMonth(_monthIndex + 1);
}

void cwCheckViewCtrl::addData()
{
    if (!_dataSource->addData())
        btnEditCategories();
}

void cwCheckViewCtrl::delData()
{
    _dataSource->delData();
}

void cwCheckViewCtrl::carryOver()
{
    _dataSource->carryOverData();
}

void cwCheckViewCtrl::btnEditCategories()
{
    MyDataSource* model = MyDataSource::getMyDataSource();
    QString monthId = _dataSource->getMonthId();
    if (monthId.isNull())
        monthId = model->monthIdString(_monthIndex);
    _dataSource->storeAndReleaseMonthData();
    if (!_categoryEditor)
        _categoryEditor = std::make_unique<cwCategoryEditWinCtrl>();
    _categoryEditor->openCustomModalSheet(model->getMainWindow());
    _dataSource->loadMonthData(monthId);
}

void cwCheckViewCtrl::btnEditEnvelopes()
{
    MyDataSource* model = MyDataSource::getMyDataSource();
    const QString monthId = _dataSource->getMonthId().isNull() ? model->monthIdString(_monthIndex)
                                                               : _dataSource->getMonthId();
    cwEnvelopeWinController envelopes;
    envelopes.openCustomModalSheet(model->getMainWindow(), monthId);
    if (!_dataSource->getMonthId().isNull())
        _dataSource->updateTotals();
}

void cwCheckViewCtrl::btnHelp()
{
    // TODO help
}

bool cwCheckViewCtrl::shouldSelectTableColumn(const QString& column)
{
    const int method = sortMethodForColumn(column);
    if (method >= 0)
        _dataSource->sortByMethod(method);
    return false;
}
