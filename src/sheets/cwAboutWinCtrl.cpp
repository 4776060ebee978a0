#include "cwAboutWinCtrl.h"

#include <QDesktopServices>
#include <QDialog>
#include <QUrl>

#include "ui_AboutWindow.h"

const QString cwAboutWinCtrl::supportAddress = QStringLiteral("support@coinwick.example");

cwAboutWinCtrl::cwAboutWinCtrl()
    : _ui(new Ui::AboutWindow)
{
    _ui->setupUi(_myCustomSheet);
    _companyName = _ui->_companyName;
    _message = _ui->_message;
    connect(_ui->_emailButton, &QAbstractButton::clicked, this, &cwAboutWinCtrl::emailPressed);
    connect(_ui->_closeButton, &QAbstractButton::clicked, this, &cwAboutWinCtrl::closePressed);
}

cwAboutWinCtrl::~cwAboutWinCtrl() = default;

void cwAboutWinCtrl::openCustomModalSheet(QWidget* parent, const QString& title, const QString& message)
{
    _companyName->setText(title);
    _message->setText(message);
    openModalSheet(parent);
}

void cwAboutWinCtrl::emailPressed()
{
    // The user's e-mail program takes over; the sheet stays open.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + supportAddress));
}

void cwAboutWinCtrl::closePressed()
{
    closeModalSheet();
}
