#include "cwWSBudget.h"

#include <QDialog>

#include "ui_WSBudget.h"

cwWSBudget::cwWSBudget()
    : _ui(new Ui::WSBudget)
{
    _ui->setupUi(_myCustomSheet);
    connect(_ui->_closeButton, &QAbstractButton::clicked, this, &cwWSBudget::closePressed);
}

cwWSBudget::~cwWSBudget() = default;

void cwWSBudget::modalCustomSheet(QWidget* parent)
{
    openModalSheet(parent);
}

void cwWSBudget::closePressed()
{
    closeModalSheet();
}
