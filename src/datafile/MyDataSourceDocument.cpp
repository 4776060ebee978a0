#include "MyDataSource.h"

#include <QDir>
#include <QSaveFile>
#include <QTabWidget>
#include <QUrl>
#include <QWidget>

#include "cwLog.h"
#include "cwOpenPanel.h"
#include "cwRecentDocuments.h"
#include "cwSavePanel.h"
#include "cwURLFormat.h"
#include "cwUserDefaults.h"

namespace {

const char* const unsavedChangesMessage =
    "! WARNING !\n\nUnsaved Changes Exist!\nSelect file to save as or CANCEL to discard.";

bool syncWanted()
{
    return cwUserDefaults::standardUserDefaults().boolForKey("SyncData");
}

}  // namespace

void MyDataSource::setFileName(const QString& name)
{
    _fileName = name;
    cwUserDefaults::standardUserDefaults().setObject(name, "DataFile");
    if (_mainWindow)
        _mainWindow->setWindowTitle(QString::fromUtf8(QByteArray::fromPercentEncoding(name.toUtf8())));
}

QString MyDataSource::getFileName() const
{
    return _fileName;
}

bool MyDataSource::promptUserFileName(const QString& message)
{
    cwSavePanel panel;
    panel.setAllowedFileTypes({"txt"});
    panel.setMessage(message);
    if (panel.runModalForDirectory(QDir::homePath(), QString()) != 1)
        return false;
    setFileName(URLToFilePath(panel.URL()));
    return true;
}

bool MyDataSource::fileOperationsAllowed()
{
    if (!_syncFailed)
        return true;
    modalAlertMessage("File operations not allowed due to SVN sync failure!\n", "WARNING", false, _mainWindow);
    return false;
}

void MyDataSource::eraseAllData()
{
    for (const QString& monthId : _monthIds) {
        _catArray[0].insert(monthId, "0");
        _monthlyBudget.insert(monthId, "0");
    }
    while (_catArray.size() > 3)
        deleteCategoryByIndex(3);
    _reportedBadValues.clear();
}

bool MyDataSource::writeDataFile(const QString& url, const QByteArray& contents) const
{
    // The bytes reach the disk in a temporary file beside the target, which then replaces the
    // target in one rename: a failed write leaves the old file as it was.
    QSaveFile file(QUrl(url).toLocalFile());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool MyDataSource::saveToFileWithSync(bool sync, bool prompt)
{
    Q_UNUSED(prompt);
    if (!fileOperationsAllowed())
        return false;
    if (_fileName.isEmpty() && !promptUserFileName(unsavedChangesMessage))
        return false;

    const QByteArray contents = buildData();
    for (;;) {
        const QString url = filePathToURL(_fileName);
        cwLog(QString("Save File String: %1\n").arg(_fileName));
        cwLog(QString("Save File URL: %1\n").arg(url));
        if (writeDataFile(url, contents)) {
            cwRecentDocuments::noteNewRecentDocumentURL(url);
            if (sync && _fileSynced && syncWanted())
                doSvnCommit();
            return true;
        }
        const QString message =
            QString("Data File %1 could not saved!\nPlease choose a new location to save").arg(_fileName);
        if (modalAlertMessage(message, "WARNING", true, _mainWindow) != 1)
            return false;
        if (!promptUserFileName("Save Changes AS"))
            return false;
    }
}

void MyDataSource::loadFromFile(const QString& path, bool sync, bool detach)
{
    _fileSynced = false;
    if (path.isEmpty()) {
        initView();
        return;
    }
    eraseAllData();
    if (!fileOperationsAllowed())
        return;
    if (sync && syncWanted()) {
        _pendingFile = path;
        doSvnUpdate(detach);
        return;
    }
    loadFile(path);
    initView();
}

void MyDataSource::selectBudgetTab()
{
    // Selecting the budget tab writes the register's month back into the model.
    if (_selectedTab == 1 && _ourTabView)
        _ourTabView->setCurrentIndex(0);
}

void MyDataSource::menuNewFile()
{
    waitForSvnUpdate();
    selectBudgetTab();
    saveToFileWithSync(true, true);
    eraseAllData();
    setFileName(QString());
}

void MyDataSource::menuOpenFile()
{
    waitForSvnUpdate();
    selectBudgetTab();
    saveToFileWithSync(true, true);
    cwOpenPanel panel;
    panel.setAllowsMultipleSelection(false);
    panel.setAllowedFileTypes({"txt"});
    if (panel.runModalForDirectory(QDir::homePath(), QString()) != 1)
        return;
    const QString name = URLToFilePath(panel.URL());
    setFileName(name);
    loadFromFile(name, true, false);
}

void MyDataSource::menuSave()
{
    waitForSvnUpdate();
    selectBudgetTab();
    saveToFileWithSync(false, true);
}

void MyDataSource::menuSaveAs()
{
    waitForSvnUpdate();
    selectBudgetTab();
    if (!promptUserFileName("Save File AS"))
        return;
    if (!saveToFileWithSync(false, false))
        setFileName(QString());
}

void MyDataSource::menuQuit()
{
    // The window's close and the Quit command may both arrive; only the first one saves.
    if (_quitCount == 0) {
        waitForSvnUpdate();
        selectBudgetTab();
        saveToFileWithSync(true, true);
    }
    ++_quitCount;
    emit terminateRequested();
}

bool MyDataSource::openFile(const QString& path)
{
    waitForSvnUpdate();
    selectBudgetTab();
    if (!fileOperationsAllowed())
        return true;
    if (path != _fileName)
        saveToFileWithSync(true, true);
    _fileName = path;
    loadFromFile(path, true, false);
    setFileName(_fileName);
    return true;
}
