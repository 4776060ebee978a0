#pragma once

#include <QScopedPointer>
#include <QString>

#include "cwSheetCtrl.h"

class QLabel;

namespace Ui {
class AboutWindow;
}

// The about sheet: a title, an information text and a button that starts an e-mail to support.
class cwAboutWinCtrl : public cwSheetCtrl
{
    Q_OBJECT

public:
    static const QString supportAddress;

    cwAboutWinCtrl();  // its form is AboutWindow.ui
    ~cwAboutWinCtrl() override;

    void openCustomModalSheet(QWidget* parent, const QString& title, const QString& message);
    void emailPressed();
    void closePressed();

    QLabel* _companyName;
    QLabel* _message;

private:
    QScopedPointer<Ui::AboutWindow> _ui;
};
