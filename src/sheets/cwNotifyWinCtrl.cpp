#include "cwNotifyWinCtrl.h"

#include <QDialog>

#include "ui_NoticeWindow.h"

namespace {

// OK stands further right when it stands alone, so that it keeps to the middle of the sheet.
const QPoint okWithCancel(160, 12);
const QPoint okAlone(202, 12);

}  // namespace

cwNotifyWinCtrl::cwNotifyWinCtrl()
    : _ui(new Ui::NoticeWindow)
{
    _ui->setupUi(_myCustomSheet);
    _windowTitle = _ui->_windowTitle;
    _windowMessage = _ui->_windowMessage;
    _okButton = _ui->_okButton;
    _cancelButton = _ui->_cancelButton;
    connect(_okButton, &QPushButton::clicked, this, &cwNotifyWinCtrl::btnOK);
    connect(_cancelButton, &QPushButton::clicked, this, &cwNotifyWinCtrl::btnCancel);
}

cwNotifyWinCtrl::~cwNotifyWinCtrl() = default;

int cwNotifyWinCtrl::modalCustomSheet(QWidget* parent, const QString& title, const QString& message,
                                      bool withCancel)
{
    _result = 0;
    _windowTitle->setText(title);
    _windowMessage->setText(message);
    setOkButtonOrigin(withCancel ? okWithCancel : okAlone);
    _cancelButton->setVisible(withCancel);
    _okButton->setFocus();
    openModalSheet(parent);
    return _result;
}

void cwNotifyWinCtrl::btnOK()
{
    _result = 1;
    closeModalSheet();
}

void cwNotifyWinCtrl::btnCancel()
{
    _result = 0;
    closeModalSheet();
}

void cwNotifyWinCtrl::sheetDismissed()
{
    // Escape means Cancel where Cancel is offered; a plain notice is simply acknowledged.
    if (_cancelButton->isVisibleTo(_myCustomSheet))
        btnCancel();
    else
        btnOK();
}

QPoint cwNotifyWinCtrl::okButtonOrigin() const
{
    const QPoint inSheet = _okButton->mapTo(_myCustomSheet, QPoint(0, _okButton->height()));
    return QPoint(inSheet.x(), _myCustomSheet->height() - inSheet.y());
}

void cwNotifyWinCtrl::setOkButtonOrigin(const QPoint& origin)
{
    // The buttons sit in an area along the sheet's bottom edge, whose left edge is the layout margin.
    QWidget* area = _okButton->parentWidget();
    const int left = area->mapTo(_myCustomSheet, QPoint(0, 0)).x();
    _okButton->move(origin.x() - left, area->height() - origin.y() - _okButton->height());
}
