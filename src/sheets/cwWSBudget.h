#pragma once

#include <QScopedPointer>

#include "cwSheetCtrl.h"

namespace Ui {
class WSBudget;
}

// The budget worksheet: pay frequency, pay cheque and savings amounts, an income table and a
// button per month. Nothing is worked out yet; Close is the sheet's only action.
class cwWSBudget : public cwSheetCtrl
{
    Q_OBJECT

public:
    cwWSBudget();  // its form is WSBudget.ui
    ~cwWSBudget() override;

    void modalCustomSheet(QWidget* parent);
    void closePressed();

private:
    QScopedPointer<Ui::WSBudget> _ui;
};
