#include "cwAboutWinCtrl.h"

#include <QDesktopServices>
#include <QDialog>
#include <QUrl>

#include "ui_AboutWindow.h"

const char* const cwAboutWinCtrl::supportAddress = "support@coinwick.example";

cwAboutWinCtrl::cwAboutWinCtrl()
    : _ui(new Ui::AboutWindow)
{
    _ui->setupUi(_myCustomSheet);
    _companyName = _ui->_companyName;
    _message = _ui->_message;
    connect(_ui->emailButton, &QPushButton::clicked, this, &cwAboutWinCtrl::emailPressed);
    connect(_ui->closeButton, &QPushButton::clicked, this, &cwAboutWinCtrl::closePressed);
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
    // Hands the address to the user's mail program; the sheet stays open.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + supportAddress));
}

void cwAboutWinCtrl::closePressed()
{
    closeModalSheet();
}
