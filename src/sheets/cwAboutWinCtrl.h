#pragma once

#include <QScopedPointer>

#include "cwSheetCtrl.h"

class QLabel;
namespace Ui { class AboutWindow; }

// The about sheet: the program's name and version with the support contact, and a button
// that starts an e-mail to support.
class cwAboutWinCtrl : public cwSheetCtrl
{
    Q_OBJECT

public:
    static const char* const supportAddress;

    cwAboutWinCtrl();
    ~cwAboutWinCtrl() override;

    void openCustomModalSheet(QWidget* parent, const QString& title, const QString& message);

public slots:
    void emailPressed();
    void closePressed();

private:
    QScopedPointer<Ui::AboutWindow> _ui;
    QLabel* _companyName;
    QLabel* _message;
};
