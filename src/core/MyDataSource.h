#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

#include "cwRecords.h"

class QWidget;
class cwTableView;
class cwCheckViewCtrl;

// The application controller: the budget model, its categories and totals, the budget
// table, the document commands and synchronisation. One instance lives for the whole run;
// every other class reaches it through getMyDataSource(). Its members are defined in the
// source files of the concerns they serve.
class MyDataSource : public QObject
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
    // Renames the user category at index unless the name is "", unchanged or taken; a taken
    // name is refused with the "Duplicate Category" alert. Answers true when the name is
    // the category's name afterwards.
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
    void eraseAllData();

    // ---- budget table (core/MyDataSourceGrid.cpp) ----

    // ---- commands and menus (core/MyDataSourceCommands.cpp) ----

    // ---- synchronisation (sync/MyDataSourceSync.cpp) ----

signals:
    // A data file was opened for reading: the place for the recent-documents list.
    void recentDocumentNoted(const QUrl& url);

private:
    void reloadBudgetTable();
    using MonthMaps = QList<const cwMonthMap*>;  // the user categories' month maps in row order
    MonthMaps userMonthMaps() const;
    int activeMonthCount(const MonthMaps& months) const;
    qint64 averageOfRow(const cwRecord& row, int activeMonths) const;
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

    // ---- alert state ----
    QList<HeadlessAlert> _headlessAlerts;

    // ---- document state ----

    // ---- synchronisation state ----
};
