#pragma once

#include <QObject>
#include <QRect>
#include <QSet>
#include <QStringList>
#include <QUrl>

#include "cwRecords.h"
#include "cwTableDataSource.h"

class QAbstractButton;
class QTabWidget;
class QWidget;
class cwMainWindow;
class cwNotifyWinCtrl;
class cwTableView;
class cwCheckViewCtrl;
class cwTask;
class cwProgressWinController;
class cwAboutWinCtrl;
class cwPrefWindowCtrl;
class cwWSBudget;
class cwHelpWindow;
class QAction;

// The application controller: the budget model, its categories and totals, the budget
// table, the document commands and synchronisation. One instance lives for the whole run;
// every other class reaches it through getMyDataSource(). Its members are defined in the
// source files of the concerns they serve.
class MyDataSource : public QObject, public cwTableDataSource
{
    Q_OBJECT

public:
    // ---- model and start-up (core/MyDataSource.cpp) ----
    MyDataSource();
    ~MyDataSource() override;
    static MyDataSource* getMyDataSource();
    static void initialize();  // registers the preference defaults
    void createFixedRows();    // the Budget, Remain and separator rows of a started model

    QList<cwRecord>& getCatArray();
    cwCategoryData& getCatDataDictionary();
    QMap<QString, QString>& getMonthlyBudget();
    QString getVersion() const;
    bool isEnvelopeEnabled() const;
    void setEnvelopeMode(bool on);
    cwCheckViewCtrl* getCheckView() const;
    QWidget* getMainWindow() const;

    QString monthFriendlyName(const QString& monthId) const;  // null QString for any other text
    int monthIndex(const QString& monthId) const;
    QString monthIdString(int index) const;
    const QStringList& monthIds() const;
    const QStringList& monthNames() const;

    // ---- main window, start-up and tabs (core/MyDataSourceWindow.cpp) ----
    // Builds the main window from its form, connects it and runs the start-up sequence; false
    // when the program must end instead (the companion application could not be started).
    bool loadMainWindow();
    bool awakeFromNib();
    void initView();  // the main window to the front, all totals recomputed
    void didSelectTabViewItem(int index);
    void windowWillClose();
    int getSelectedTab() const;

    // ---- alerts (core/MyDataSourceAlert.cpp) ----
    // 1 for OK, 0 for Cancel. Without a main window the alert is written to standard error,
    // kept for takeHeadlessAlerts() and answered OK.
    int modalAlertMessage(const QString& message, const QString& title, bool withCancel, QWidget* window);
    struct HeadlessAlert
    {
        QString title;
        QString message;
    };
    QList<HeadlessAlert> takeHeadlessAlerts();

    // ---- categories (core/MyDataSourceCategories.cpp) ----
    int createCategory(const QString& name, const QString& value);
    void renameCategory(int index, const QString& newName);
    void deleteCategoryByIndex(int index);
    // The first of base, "base 2", "base 3", ... that no user category has.
    QString uniqueCategoryName(const QString& base) const;
    // Renames the user category at index unless the name is "", unchanged, one the data file
    // cannot hold ("Invalid Name" alert) or taken ("Duplicate Category" alert). Answers true
    // when the name is the category's name afterwards.
    bool renameCategoryChecked(int index, const QString& newName, QWidget* window);

    // ---- totals and averages (core/MyDataSourceTotals.cpp) ----
    void updateView();
    void updateTotalsForMonth(const QString& columnId);
    QString calculateBudgetForColumnId(const QString& monthId) const;
    void updateAveragesForCategory(int index);

    // ---- data file (datafile/MyDataSourceFile.cpp) ----
    QByteArray buildData() const;
    void loadFile(const QString& path);

    // ---- document commands (datafile/MyDataSourceDocument.cpp) ----
    void setFileName(const QString& name);
    QString getFileName() const;
    bool promptUserFileName(const QString& message);
    bool fileOperationsAllowed();
    void eraseAllData();
    bool saveToFileWithSync(bool sync, bool prompt);
    void loadFromFile(const QString& path, bool sync, bool detach);
    void menuNewFile();
    void menuOpenFile();
    void menuSave();
    void menuSaveAs();
    void menuQuit();
    // The system's request to open a file (a plain path); always answers true.
    bool openFile(const QString& path);

    // ---- budget table (core/MyDataSourceGrid.cpp) ----
    static QStringList budgetColumnIds(const QStringList& monthIds);  // "desc", "average", the months
    int numberOfRowsInTableView() override;
    QVariant objectValueForTableColumn(const QString& column, int row) override;
    void setObjectValue(const QVariant& value, const QString& column, int row) override;
    bool shouldEditTableColumn(const QString& column, int row) override;
    bool shouldSelectRow(int row) override;
    bool writeRowsWithIndexes(const QList<int>& rows, QMimeData* pasteboard) override;
    Qt::DropActions validateDrop(const QMimeData* info, int proposedRow, DropOperation operation) override;
    bool acceptDrop(const QMimeData* info, int row, DropOperation operation) override;
    QString getDataForColumnIndex(int column, int row);
    QRect rectOfTableColumn(int column) const;
    void btnNewCategory();
    void btnDeleteCategory();

    // ---- commands and menus (core/MyDataSourceCommands.cpp) ----
    void btnHelp();
    void btnTest();
    void openAboutPanel();
    void openPrefsPanel();  // then applies the envelope mode chosen
    void menuWSBudget();
    void modalWorkSheet();
    // By the item's "tag" property: 20002 to 20004 need file operations to be allowed, 20005 a
    // current file too; every other item is enabled.
    bool validateMenuItem(const QAction* item) const;
    // Starts the companion application when SVNRunScript and SyncData are on. False when the
    // program must end instead of starting (the companion could not be found).
    bool startCompanionApplication();

    // ---- printing (printing/MyDataSourcePrint.cpp) ----
    void menuPrint();  // prints the table the main window shows

    // ---- synchronisation (sync/MyDataSourceSync.cpp) ----
    // Brings the current file's folder up to date, then loads _pendingFile: waited for, or with
    // detach in the background, where svnUpdateFinished handles the end.
    void doSvnUpdate(bool detach);
    void svnUpdateFinished(cwTask* task);
    void doSvnCommit();
    // A detached update still running is waited for and its end handled; every file command
    // calls this first, so that the end never loads a file over newer work.
    void waitForSvnUpdate();

signals:
    // The program is done: the application should end (quit, or the main window closed).
    void terminateRequested();
    // A data file was opened for reading: the place for the recent-documents list.
    void recentDocumentNoted(const QUrl& url);

private:
    void reloadBudgetTable();
    using MonthMaps = QList<const cwMonthMap*>;  // the user categories' month maps in row order
    MonthMaps userMonthMaps() const;
    int activeMonthCount(const MonthMaps& months) const;
    qint64 averageOfRow(const cwRecord& row, int activeMonths) const;
    // activeMonths < 0 leaves the user categories' averages alone (a later pass sets them).
    void updateTotalsForMonth(const QString& columnId, const MonthMaps& months, int activeMonths);
    QString calculateBudgetForColumnId(const QString& monthId, const MonthMaps& months) const;

    // ---- model state ----
    QStringList _monthIds;
    QStringList _monthNames;
    QMap<QString, QString> _monthFriendlyNames;
    QList<cwRecord> _catArray;
    cwCategoryData _catData;
    QMap<QString, QString> _monthlyBudget;
    QString _fileName;
    bool _envelopeMode = false;
    QString _appVersion;
    int _selectedTab = 0;
    bool _fileSynced = false;

    // ---- window outlets (null without a window) ----
    QWidget* _mainWindow = nullptr;
    cwTableView* _ourTableView = nullptr;
    cwCheckViewCtrl* _checkView = nullptr;
    QTabWidget* _ourTabView = nullptr;
    QAbstractButton* _fillEnvelope = nullptr;
    QAbstractButton* _menuWSBudget = nullptr;
    cwNotifyWinCtrl* _dynamicAlertSheet = nullptr;  // made at the first alert with a window

    // ---- budget table state ----
    QSet<QString> _reportedBadValues;  // stored values already reported as not a number
    int _badValuesToReport = 0;        // found while drawing, reported once the drawing is done
    void reportBadValues();

    // ---- alert state ----
    QList<HeadlessAlert> _headlessAlerts;

    // ---- command sheets, made at first use ----
    cwAboutWinCtrl* _aboutWindow = nullptr;
    cwPrefWindowCtrl* _prefWindow = nullptr;
    cwWSBudget* _budgetWorkSheet = nullptr;
    cwHelpWindow* _helpWindow = nullptr;

    // ---- document state ----
    int _quitCount = 0;
    void selectBudgetTab();  // the register's month goes back into the model before a file command
    bool writeDataFile(const QString& fileName, const QByteArray& contents) const;

    // ---- synchronisation state ----
    cwTask* _svnTask = nullptr;
    cwProgressWinController* _progressWindow = nullptr;
    QString _pendingFile;
    bool _svnUpdateDetached = false;  // the running update is a detached one
    bool _syncFailed = false;         // an update failed during this run: file operations are refused

    void openProgressWindow(const QString& message);
    void closeProgressWindow();
    void waitForSvnTask();
    void finishSvnUpdate(bool detached, bool started);
    void releaseSvnTask();
};
