#include "cwMainWindow.h"

#include <QCloseEvent>

#include "ui_MainMenu.h"

cwMainWindow::cwMainWindow()
    : _ui(new Ui::MainMenu)
{
    _ui->setupUi(this);
    _ui->actionNew->setShortcut(QKeySequence::New);
    _ui->actionOpen->setShortcut(QKeySequence::Open);
    _ui->actionSave->setShortcut(QKeySequence::Save);
    _ui->actionSaveAs->setShortcut(QKeySequence::SaveAs);
    _ui->actionQuit->setShortcut(QKeySequence::Quit);
}

cwMainWindow::~cwMainWindow() = default;

Ui::MainMenu* cwMainWindow::ui() const
{
    return _ui.get();
}

void cwMainWindow::closeEvent(QCloseEvent* event)
{
    emit windowWillClose();
    event->accept();
}
