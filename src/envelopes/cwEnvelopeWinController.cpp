#include "cwEnvelopeWinController.h"

#include <QDialog>
#include <QHeaderView>

#include "MyDataSource.h"
#include "cwNumberText.h"
#include "cwTableView.h"
#include "ui_EnvelopeWindow.h"

cwEnvelopeWinController::cwEnvelopeWinController()
    : _ui(new Ui::EnvelopeWindow)
    , _catData(MyDataSource::getMyDataSource()->getCatDataDictionary())
{
    _ui->setupUi(_myCustomSheet);
    _ourTableView = _ui->_ourTableView;
    _windowLabel = _ui->_windowLabel;
    _ourTableView->addTableColumn("category", "Category", 200);
    _ourTableView->addTableColumn("amount", "Envelope", 110, cwTableView::CellKind::Text,
                                  Qt::AlignRight | Qt::AlignVCenter);
    _ourTableView->horizontalHeader()->setStretchLastSection(true);
    _ourTableView->setDataSource(this);
    connect(_ui->closeButton, &QPushButton::clicked, this, &cwEnvelopeWinController::closePressed);
}

cwEnvelopeWinController::~cwEnvelopeWinController()
{
    _ourTableView->setDataSource(nullptr);
}

cwTableView* cwEnvelopeWinController::tableView() const
{
    return _ourTableView;
}

QString cwEnvelopeWinController::heading() const
{
    return _windowLabel->text();
}

void cwEnvelopeWinController::initData(const QString& monthId)
{
    _windowLabel->setText(QString("%1 Envelopes").arg(MyDataSource::getMyDataSource()->monthFriendlyName(monthId)));
    _monthId = monthId;
    _catKeys = _catData.keys();
}

void cwEnvelopeWinController::openCustomModalSheet(QWidget* parent, const QString& monthId)
{
    initData(monthId);
    _ourTableView->reloadData();
    openModalSheet(parent);
}

int cwEnvelopeWinController::numberOfRowsInTableView()
{
    return _catKeys.size();
}

QVariant cwEnvelopeWinController::objectValueForTableColumn(const QString& column, int row)
{
    const QString category = _catKeys.value(row);
    if (column == "category")
        return category;
    return _catData.value(category).value(_monthId).value(0).value("amount");
}

bool cwEnvelopeWinController::shouldEditTableColumn(const QString& column, int)
{
    return column != "category";
}

void cwEnvelopeWinController::setObjectValue(const QVariant& value, const QString& column, int row)
{
    if (column == "category" || row < 0 || row >= _catKeys.size())
        return;
    auto category = _catData.find(_catKeys.at(row));
    if (category == _catData.end())
        return;
    auto month = category->find(_monthId);
    if (month == category->end() || month->isEmpty())
        return;
    cwRecord& envelope = month->first();
    const QString text = value.toString();
    if (envelope.value("amount") == text)
        return;
    int flag = 0;
    const QString amount = validCurrency(text, &flag);
    if (flag == 1) {
        MyDataSource::getMyDataSource()->modalAlertMessage(
            "Amounts must be in INTEGER or \nFLOATING POINT format\n(I.e NO currency symbols, commas etc).\n\n"
            "Valid Examples: 25, 4.27, 3.2, -24.23\nNOTE: Negative amounts are treated as deposits.",
            "Currency Conversion Error", false, _myCustomSheet);
        return;
    }
    envelope.insert("amount", amount);
}

void cwEnvelopeWinController::closePressed()
{
    // An amount still being typed is taken over before the sheet goes.
    _ourTableView->commitEditing();
    _ourTableView->deselectAll();
    MyDataSource::getMyDataSource()->updateView();
    closeModalSheet();
}

void cwEnvelopeWinController::sheetDismissed()
{
    closePressed();
}
