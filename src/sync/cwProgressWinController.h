#pragma once

#include <QScopedPointer>
#include <QString>

#include "cwModalWinController.h"

class QLabel;
class QProgressBar;

namespace Ui {
class ProgWindow;
}

// The small window that shows what the Subversion client is doing while it runs.
class cwProgressWinController : public cwModalWinController
{
    Q_OBJECT

public:
    cwProgressWinController();  // its form is ProgWindow.ui
    ~cwProgressWinController() override;

    void startProgress(const QString& message);
    void stopProgress();

    QLabel* _message;
    QProgressBar* _progressIndicator;

private:
    QScopedPointer<Ui::ProgWindow> _ui;
};
