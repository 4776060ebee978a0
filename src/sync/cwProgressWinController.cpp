#include "cwProgressWinController.h"

#include <QProgressBar>

#include "ui_ProgWindow.h"

cwProgressWinController::cwProgressWinController()
    : _ui(new Ui::ProgWindow)
{
    _ui->setupUi(window());
    _message = _ui->_message;
    _progressIndicator = _ui->_progressIndicator;
}

cwProgressWinController::~cwProgressWinController() = default;

void cwProgressWinController::startProgress(const QString& message)
{
    _message->setText(message);
    // An empty range is the moving, indeterminate form of the bar.
    _progressIndicator->setRange(0, 0);
}

void cwProgressWinController::stopProgress()
{
    _progressIndicator->setRange(0, 1);
    _progressIndicator->setValue(0);
}
