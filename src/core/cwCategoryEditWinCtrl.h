#pragma once

#include <QScopedPointer>
#include <QStringList>

#include "cwSheetCtrl.h"
#include "cwTableDataSource.h"

class cwTableView;
namespace Ui {
class CategoryEdit;
}

// The category editor sheet: the user categories' names in a list that is edited in place,
// with buttons to add a category, delete the selected one and close. List row i is the
// category row i + 3 of the model while the sheet is open.
class cwCategoryEditWinCtrl : public cwSheetCtrl, public cwTableDataSource
{
    Q_OBJECT

public:
    cwCategoryEditWinCtrl();
    ~cwCategoryEditWinCtrl() override;

    void openCustomModalSheet(QWidget* parent);
    void initData();
    cwTableView* tableView() const;

    int numberOfRowsInTableView() override;
    QVariant objectValueForTableColumn(const QString& column, int row) override;
    void setObjectValue(const QVariant& value, const QString& column, int row) override;

public slots:
    void addCategory();
    void delCategory();
    void closeBtn();

protected:
    void sheetDismissed() override;

private:
    QScopedPointer<Ui::CategoryEdit> _ui;
    cwTableView* _ourTable;
    QStringList _categoryList;
};
