#pragma once

#include <QMainWindow>
#include <QScopedPointer>

namespace Ui { class MainMenu; }

// The main window: the budget table and the register in two tabs, and the menu bar. It holds
// the form; the application controller fills and drives it.
class cwMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    cwMainWindow();
    ~cwMainWindow() override;

    Ui::MainMenu* ui() const;

signals:
    void windowWillClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QScopedPointer<Ui::MainMenu> _ui;
};
