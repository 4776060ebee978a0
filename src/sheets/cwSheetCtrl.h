#pragma once

#include <QObject>
#include <QPointer>

class QDialog;
class QEventLoop;
class QWidget;

// Runs a window as a sheet over a parent window and blocks its caller until the sheet is
// closed: openModalSheet() waits in a nested event loop, in which the sheet's actions run,
// and returns once one of them has called closeModalSheet(). Subclasses build their form into
// _myCustomSheet in their constructor; the window and its controls live as long as the
// controller and keep their contents from one opening to the next.
class cwSheetCtrl : public QObject
{
    Q_OBJECT

public:
    cwSheetCtrl();
    ~cwSheetCtrl() override;

    void openModalSheet(QWidget* parent);
    void closeModalSheet();

    QDialog* sheetWindow() const;
    bool isSheetOpen() const;

protected:
    // The window system's close (Escape, the title bar's close button) asks the sheet to go;
    // by default it simply closes. Subclasses answer as their own dismissing button would.
    virtual void sheetDismissed();

    QDialog* _myCustomSheet;

private:
    QEventLoop* _loop = nullptr;
    QPointer<QDialog> _sheetAlive;  // the sheet goes with its parent window when that closes first
};
