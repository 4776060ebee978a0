#include <QApplication>
#include <QMainWindow>

#include "cwCommandLine.h"

int main(int argc, char* argv[])
{
    if (cwCommandLine::handles(argc, argv))
        return cwCommandLine::run(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Coinwick");
    QMainWindow window;
    window.setWindowTitle("Coinwick");
    window.resize(1000, 600);
    window.show();
    return app.exec();
}
