#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Coinwick");
    QMainWindow window;
    window.setWindowTitle("Coinwick");
    window.resize(1000, 600);
    window.show();
    return app.exec();
}
