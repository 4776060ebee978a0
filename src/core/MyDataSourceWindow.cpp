#include "MyDataSource.h"

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

#include "cwCheckViewCtrl.h"
#include "cwMainWindow.h"
#include "cwRecentDocuments.h"
#include "cwTableView.h"
#include "cwUserDefaults.h"
#include "ui_MainMenu.h"


namespace {

const int nameColumnWidth = 190;
const int amountColumnWidth = 66;

// The File menu's recent documents, rebuilt each time it opens.
void fillRecentMenu(QMenu* menu, MyDataSource* source)
{
    menu->clear();
    const QStringList paths = cwRecentDocuments::recentDocumentPaths();
    for (const QString& path : paths) {
        QAction* item = menu->addAction(path);
        QObject::connect(item, &QAction::triggered, source, [source, path] { source->openFile(path); });
    }
    if (!paths.isEmpty())
        menu->addSeparator();
    QAction* clear = menu->addAction(QObject::tr("Clear Menu"));
    clear->setEnabled(!paths.isEmpty());
    QObject::connect(clear, &QAction::triggered, [] { cwRecentDocuments::clearRecentDocuments(); });
}

}  // namespace

bool MyDataSource::loadMainWindow()
{
    auto* window = new cwMainWindow;
    Ui::MainMenu* ui = window->ui();
    _mainWindow = window;
    _ourTabView = ui->_ourTabView;
    _ourTableView = ui->_ourTableView;
    _fillEnvelope = ui->_fillEnvelope;
    _menuWSBudget = ui->_menuWSBudget;
    auto* checkView = new cwCheckViewCtrl(window, *ui);
    _checkView = checkView;
    // The register lets go of its table before the window and its tables go.
    connect(this, &QObject::destroyed, window, [window, checkView] {
        delete checkView;
        window->ui()->_ourTableView->setDataSource(nullptr);
        delete window;
    });

    _ourTableView->addTableColumn("desc", tr("Category"), nameColumnWidth);
    _ourTableView->addTableColumn("average", tr("Average"), amountColumnWidth + 8, cwTableView::CellKind::Text,
                                  Qt::AlignRight);
    for (int i = 0; i < _monthIds.size(); ++i)
        _ourTableView->addTableColumn(_monthIds[i], _monthNames[i], amountColumnWidth, cwTableView::CellKind::Text,
                                      Qt::AlignRight);
    _ourTableView->setDataSource(this);
    // The name column takes what room the window has beyond the amounts.
    _ourTableView->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    connect(ui->addCategoryButton, &QPushButton::clicked, this, &MyDataSource::btnNewCategory);
    connect(ui->deleteCategoryButton, &QPushButton::clicked, this, &MyDataSource::btnDeleteCategory);
    connect(ui->_menuWSBudget, &QPushButton::clicked, this, &MyDataSource::menuWSBudget);
    connect(_ourTabView, &QTabWidget::currentChanged, this, &MyDataSource::didSelectTabViewItem);
    connect(window, &cwMainWindow::windowWillClose, this, &MyDataSource::windowWillClose);
    connect(this, &MyDataSource::recentDocumentNoted, this,
            [](const QUrl& url) { cwRecentDocuments::noteNewRecentDocumentURL(url.toString()); });

    connect(ui->actionNew, &QAction::triggered, this, &MyDataSource::menuNewFile);
    connect(ui->actionOpen, &QAction::triggered, this, &MyDataSource::menuOpenFile);
    connect(ui->actionSave, &QAction::triggered, this, &MyDataSource::menuSave);
    connect(ui->actionSaveAs, &QAction::triggered, this, &MyDataSource::menuSaveAs);
    connect(ui->actionPrint, &QAction::triggered, this, &MyDataSource::menuPrint);
    connect(ui->actionQuit, &QAction::triggered, this, &MyDataSource::menuQuit);
    connect(ui->actionPreferences, &QAction::triggered, this, &MyDataSource::openPrefsPanel);
    connect(ui->actionAbout, &QAction::triggered, this, &MyDataSource::openAboutPanel);
    connect(ui->actionHelp, &QAction::triggered, this, &MyDataSource::btnHelp);
    connect(ui->menuFile, &QMenu::aboutToShow, this, [this, ui] {
        for (QAction* item : ui->menuFile->actions())
            item->setEnabled(validateMenuItem(item));
    });
    connect(ui->menuOpenRecent, &QMenu::aboutToShow, this, [this, ui] { fillRecentMenu(ui->menuOpenRecent, this); });

    return awakeFromNib();
}

bool MyDataSource::awakeFromNib()
{
    cwUserDefaults& defaults = cwUserDefaults::standardUserDefaults();

    // The worksheet is not ready for use: its button keeps its place but is neither shown nor usable.
    QSizePolicy keepPlace = _menuWSBudget->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    _menuWSBudget->setSizePolicy(keepPlace);
    _menuWSBudget->setEnabled(false);
    _menuWSBudget->hide();

    _fileName = defaults.stringForKey("DataFile");
    _envelopeMode = defaults.boolForKey("EnvelopeView");
    _fillEnvelope->setEnabled(_envelopeMode);
    _mainWindow->show();

    if (defaults.stringForKey("CurrentVersion") != _appVersion) {
        defaults.setObject(_appVersion, "CurrentVersion");
        openAboutPanel();
    }
    createFixedRows();
    if (!startCompanionApplication())
        return false;

    _selectedTab = 0;
    _ourTabView->setCurrentIndex(0);
    setFileName(_fileName);
    _ourTableView->registerForDraggedTypes({"MyPrivateTableViewDataType"});
    loadFromFile(_fileName, true, true);
    return true;
}

void MyDataSource::initView()
{
    if (_mainWindow) {
        _mainWindow->show();
        _mainWindow->raise();
        _mainWindow->activateWindow();
    }
    updateView();
}

void MyDataSource::didSelectTabViewItem(int index)
{
    _selectedTab = index;
    if (index == 0) {
        _checkView->closeView();
        initView();
    } else if (index == 1) {
        _checkView->initView();
    }
}

void MyDataSource::windowWillClose()
{
    menuQuit();
}

int MyDataSource::getSelectedTab() const
{
    return _selectedTab;
}
