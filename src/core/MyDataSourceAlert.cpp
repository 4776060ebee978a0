#include "MyDataSource.h"

#include <cstdio>
#include <utility>

#include <QDialog>

#include "cwNotifyWinCtrl.h"

// With a main window the alert is the notice sheet, on the window given or on the main window.
// Without one (command-line modes, tests of the model) the message goes to standard error and
// the alert answers OK.
int MyDataSource::modalAlertMessage(const QString& message, const QString& title, bool withCancel, QWidget* window)
{
    if (_mainWindow) {
        if (!_dynamicAlertSheet) {
            _dynamicAlertSheet = new cwNotifyWinCtrl;
            _dynamicAlertSheet->setParent(this);
        }
        // An alert raised while a notice is up (from work that ran in its loop) is stacked on
        // that notice with a sheet of its own, so that neither loses its text or its answer.
        if (_dynamicAlertSheet->isSheetOpen()) {
            cwNotifyWinCtrl stacked;
            return stacked.modalCustomSheet(_dynamicAlertSheet->sheetWindow(), title, message, withCancel);
        }
        return _dynamicAlertSheet->modalCustomSheet(window ? window : _mainWindow, title, message, withCancel);
    }
    _headlessAlerts.append({title, message});
    QByteArray text = message.toUtf8();
    if (!text.endsWith('\n'))
        text.append('\n');
    std::fputs(text.constData(), stderr);
    std::fflush(stderr);
    return 1;
}

QList<MyDataSource::HeadlessAlert> MyDataSource::takeHeadlessAlerts()
{
    return std::exchange(_headlessAlerts, {});
}
