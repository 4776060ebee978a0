#pragma once

#include <QScopedPointer>
#include <QStringList>

#include "cwRecords.h"
#include "cwSheetCtrl.h"
#include "cwTableDataSource.h"

class QLabel;
class cwTableView;
namespace Ui {
class EnvelopeWindow;
}

// The envelope sheet: one row per user category with its envelope amount for one month.
// Every accepted edit goes straight into the model; closing recomputes every total.
class cwEnvelopeWinController : public cwSheetCtrl, public cwTableDataSource
{
    Q_OBJECT

public:
    cwEnvelopeWinController();
    ~cwEnvelopeWinController() override;

    void initData(const QString& monthId);
    void openCustomModalSheet(QWidget* parent, const QString& monthId);
    cwTableView* tableView() const;
    QString heading() const;

    int numberOfRowsInTableView() override;
    QVariant objectValueForTableColumn(const QString& column, int row) override;
    void setObjectValue(const QVariant& value, const QString& column, int row) override;
    bool shouldEditTableColumn(const QString& column, int row) override;

public slots:
    void closePressed();

protected:
    void sheetDismissed() override;

private:
    QScopedPointer<Ui::EnvelopeWindow> _ui;
    cwTableView* _ourTableView;
    QLabel* _windowLabel;
    cwCategoryData& _catData;
    QStringList _catKeys;
    QString _monthId;
};
