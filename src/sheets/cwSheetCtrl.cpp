#include "cwSheetCtrl.h"

#include <QDialog>
#include <QEventLoop>

cwSheetCtrl::cwSheetCtrl()
    : _myCustomSheet(new QDialog), _sheetAlive(_myCustomSheet)
{
    _myCustomSheet->setWindowModality(Qt::WindowModal);
    connect(_myCustomSheet, &QDialog::rejected, this, [this] {
        if (_loop)
            sheetDismissed();
    });
}

cwSheetCtrl::~cwSheetCtrl()
{
    delete _sheetAlive.data();
}

void cwSheetCtrl::openModalSheet(QWidget* parent)
{
    QWidget* parentWindow = parent ? parent->window() : nullptr;
    if (_myCustomSheet->parentWidget() != parentWindow) {
        _myCustomSheet->setParent(parentWindow, Qt::Sheet);
        _myCustomSheet->setWindowModality(Qt::WindowModal);
    }
    _myCustomSheet->adjustSize();
    if (parentWindow) {
        // Attached to the top of the parent, centred, as a sheet hangs from its title bar.
        const QRect area = parentWindow->geometry();
        _myCustomSheet->move(area.x() + (area.width() - _myCustomSheet->width()) / 2, area.y());
    }
    _myCustomSheet->show();
    _myCustomSheet->activateWindow();

    QEventLoop loop;
    QEventLoop* outer = _loop;
    _loop = &loop;
    loop.exec(QEventLoop::DialogExec);
    _loop = outer;

    _myCustomSheet->hide();
}

void cwSheetCtrl::closeModalSheet()
{
    // The sheet stays on the screen until openModalSheet resumes; the calling action finishes first.
    if (_loop)
        _loop->exit();
}

QDialog* cwSheetCtrl::sheetWindow() const
{
    return _myCustomSheet;
}

bool cwSheetCtrl::isSheetOpen() const
{
    return _loop != nullptr;
}

void cwSheetCtrl::sheetDismissed()
{
    closeModalSheet();
}
