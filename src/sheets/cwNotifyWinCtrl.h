#pragma once

#include <QPoint>
#include <QScopedPointer>

#include "cwSheetCtrl.h"

class QLabel;
class QPushButton;
namespace Ui { class NoticeWindow; }

// The notice sheet behind every alert: a title, a message of as many lines as it holds, OK
// and, when offered, Cancel. Made once and reused for every alert.
class cwNotifyWinCtrl : public cwSheetCtrl
{
    Q_OBJECT

public:
    cwNotifyWinCtrl();
    ~cwNotifyWinCtrl() override;

    // 1 when the user pressed OK, 0 for Cancel.
    int modalCustomSheet(QWidget* parent, const QString& title, const QString& message, bool withCancel);

    // Where the OK button stands, measured as its lower-left corner from the sheet's lower-left.
    QPoint okButtonOrigin() const;

public slots:
    void btnOK();
    void btnCancel();

protected:
    void sheetDismissed() override;

private:
    void setOkButtonOrigin(const QPoint& origin);

    QScopedPointer<Ui::NoticeWindow> _ui;
    QLabel* _windowTitle;
    QLabel* _windowMessage;
    QPushButton* _okButton;
    QPushButton* _cancelButton;
    int _result = 0;
};
