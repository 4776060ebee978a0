#include "MyDataSource.h"

#include <QAction>
#include <QAbstractButton>

#include "cwAboutWinCtrl.h"
#include "cwBundle.h"
#include "cwHelpWindow.h"
#include "cwLog.h"
#include "cwPrefWindowCtrl.h"
#include "cwTask.h"
#include "cwUserDefaults.h"
#include "cwWSBudget.h"

void MyDataSource::btnHelp()
{
    if (!_helpWindow) {
        _helpWindow = new cwHelpWindow;
        _helpWindow->setParent(this);
    }
    _helpWindow->showHelp();
}

void MyDataSource::btnTest()
{
    modalAlertMessage(QStringLiteral("Test to display\nNew line"), QStringLiteral("WindowTitle"), true, _mainWindow);
}

void MyDataSource::openAboutPanel()
{
    const QString message = QStringLiteral("Coinwick %1\n"
                                           "A household budget for one year.\n"
                                           "\n"
                                           "Questions and suggestions are welcome at\n"
                                           "%2\n"
                                           "Please name the version above when you write.")
                                .arg(_appVersion, cwAboutWinCtrl::supportAddress);
    if (!_aboutWindow) {
        _aboutWindow = new cwAboutWinCtrl;
        _aboutWindow->setParent(this);
    }
    _aboutWindow->openCustomModalSheet(_mainWindow, QStringLiteral("About Window"), message);
}

void MyDataSource::openPrefsPanel()
{
    if (!_prefWindow) {
        _prefWindow = new cwPrefWindowCtrl;
        _prefWindow->setParent(this);
    }
    _prefWindow->openCustomModalSheet(_mainWindow);
    _envelopeMode = cwUserDefaults::standardUserDefaults().boolForKey(QStringLiteral("EnvelopeView"));
    if (_fillEnvelope)
        _fillEnvelope->setEnabled(_envelopeMode);
    updateView();
}

void MyDataSource::menuWSBudget()
{
    modalWorkSheet();
}

void MyDataSource::modalWorkSheet()
{
    if (!_budgetWorkSheet) {
        _budgetWorkSheet = new cwWSBudget;
        _budgetWorkSheet->setParent(this);
    }
    _budgetWorkSheet->modalCustomSheet(_mainWindow);
}

bool MyDataSource::validateMenuItem(const QAction* item) const
{
    const int tag = item->property("tag").toInt();
    if (tag == 20005)
        return !_fileName.isEmpty() && !_syncFailed;
    if (tag >= 20002 && tag <= 20004)
        return !_syncFailed;
    return true;
}

bool MyDataSource::startCompanionApplication()
{
    cwUserDefaults& defaults = cwUserDefaults::standardUserDefaults();
    if (!defaults.boolForKey(QStringLiteral("SVNRunScript")) || !defaults.boolForKey(QStringLiteral("SyncData")))
        return true;

    const QString executable = cwBundle::executablePath(cwBundle::resourcePath() + QStringLiteral("/Fernhollow.app"));
    cwLog(QStringLiteral("Launch[%1]\n").arg(executable));
    // A companion that is there but cannot be started is of no more use than a missing one.
    if (executable.isEmpty() || !cwTask::launchIndependent(executable, {})) {
        const int answer = modalAlertMessage(
            QStringLiteral("Script <Fernhollow> not found in path.\nClick OK to clear RunScript option.\n"),
            QStringLiteral("Script NOT found"), true, _mainWindow);
        if (answer == 1)
            defaults.setBool(false, QStringLiteral("SVNRunScript"));
        return false;
    }
    modalAlertMessage(QStringLiteral("Continue launching Coinwick"), QStringLiteral("Continue"), false, _mainWindow);
    return true;
}
