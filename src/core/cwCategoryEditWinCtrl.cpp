#include "cwCategoryEditWinCtrl.h"

#include <QDialog>
#include <QHeaderView>

#include "MyDataSource.h"
#include "cwTableView.h"
#include "ui_CategoryEdit.h"

namespace {
const int firstUserCategory = 3;
}

cwCategoryEditWinCtrl::cwCategoryEditWinCtrl()
    : _ui(new Ui::CategoryEdit)
{
    _ui->setupUi(_myCustomSheet);
    _ourTable = _ui->_ourTable;
    _ourTable->addTableColumn("desc", "Category", 260);
    _ourTable->horizontalHeader()->setStretchLastSection(true);
    _ourTable->setDataSource(this);
    connect(_ui->addButton, &QPushButton::clicked, this, &cwCategoryEditWinCtrl::addCategory);
    connect(_ui->deleteButton, &QPushButton::clicked, this, &cwCategoryEditWinCtrl::delCategory);
    connect(_ui->closeButton, &QPushButton::clicked, this, &cwCategoryEditWinCtrl::closeBtn);
}

cwCategoryEditWinCtrl::~cwCategoryEditWinCtrl()
{
    _ourTable->setDataSource(nullptr);
}

cwTableView* cwCategoryEditWinCtrl::tableView() const
{
    return _ourTable;
}

void cwCategoryEditWinCtrl::openCustomModalSheet(QWidget* parent)
{
    initData();
    _ourTable->reloadData();
    openModalSheet(parent);
}

void cwCategoryEditWinCtrl::initData()
{
    const QList<cwRecord>& catArray = MyDataSource::getMyDataSource()->getCatArray();
    _categoryList.clear();
    for (int i = firstUserCategory; i < catArray.size(); ++i)
        _categoryList.append(catArray.at(i).value("desc"));
}

int cwCategoryEditWinCtrl::numberOfRowsInTableView()
{
    return _categoryList.size();
}

QVariant cwCategoryEditWinCtrl::objectValueForTableColumn(const QString&, int row)
{
    return _categoryList.value(row);
}

void cwCategoryEditWinCtrl::setObjectValue(const QVariant& value, const QString&, int row)
{
    if (row < 0 || row >= _categoryList.size())
        return;
    const QString name = value.toString();
    if (name == _categoryList.at(row) || name.isEmpty())
        return;
    // A name that is taken or that the data file cannot hold is refused over this sheet.
    if (MyDataSource::getMyDataSource()->renameCategoryChecked(row + firstUserCategory, name, _myCustomSheet))
        _categoryList[row] = name;
}

void cwCategoryEditWinCtrl::addCategory()
{
    MyDataSource* model = MyDataSource::getMyDataSource();
    const QString name = model->uniqueCategoryName("New Category");
    _categoryList.append(name);
    model->createCategory(name, "0");
    _ourTable->reloadData();
    _ourTable->deselectAll();
    const int last = _categoryList.size() - 1;
    _ourTable->selectRow(last, false);
    _ourTable->editColumn(0, last, true);
}

void cwCategoryEditWinCtrl::delCategory()
{
    MyDataSource* model = MyDataSource::getMyDataSource();
    const int row = _ourTable->selectedRow();
    if (row < 0 || row >= _categoryList.size()) {
        model->modalAlertMessage("Please select item to delete.", "No Selection", false, _myCustomSheet);
        return;
    }
    const QString question = QString("Removing Category <%1>\nwill permanently remove all data\n"
                                     "associated with this category!")
                                 .arg(_categoryList.at(row));
    if (model->modalAlertMessage(question, "WARNING", true, _myCustomSheet) != 1)
        return;
    model->deleteCategoryByIndex(row + firstUserCategory);
    _ourTable->deselectAll();
    _categoryList.removeAt(row);
    _ourTable->reloadData();
}

void cwCategoryEditWinCtrl::closeBtn()
{
    // A name still being typed is taken over as if its cell had been left.
    _ourTable->commitEditing();
    closeModalSheet();
}

void cwCategoryEditWinCtrl::sheetDismissed()
{
    closeBtn();
}
