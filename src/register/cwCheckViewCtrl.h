#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLabel;
class QWidget;
class cwCategoryEditWinCtrl;
class cwCheckViewData;
class cwTableView;
namespace Ui {
class MainMenu;
}

// The register tab: which month it shows, month navigation, the register's buttons, the
// month title and totals, and sorting by a click on a column header. The month's entries
// live in the register month data, the register table's data source.
class cwCheckViewCtrl : public QObject
{
    Q_OBJECT

public:
    // Takes its outlets from the register page of the main window's form.
    cwCheckViewCtrl(QWidget* window, const Ui::MainMenu& form);
    ~cwCheckViewCtrl() override;

    cwCheckViewData* getTableViewSource() const;
    cwTableView* getTableView() const;
    int getMonthIndex() const;

    void setMonthTitle(const QString& monthId);
    void setTotal(const QString& total, const QString& remaining);
    void initView();
    void closeView();
    bool shouldSelectTableColumn(const QString& column);

public slots:
    void decrementMonth();
    void incrementMonth();
    void addData();
    void delData();
    void carryOver();
    void btnEditCategories();
    void btnEditEnvelopes();
    void btnHelp();

private:
    void openMonth(int index);

    QWidget* _ourWindow;
    cwTableView* _ourTableView;
    QLabel* _title;
    QLabel* _totalAmount;
    QLabel* _remainAmount;
    QLabel* _remainTitle;
    int _monthIndex = 0;
    std::unique_ptr<cwCheckViewData> _dataSource;
    std::unique_ptr<cwCategoryEditWinCtrl> _categoryEditor;
};
