#include <QApplication>
#include <QFileInfo>

#include "MyDataSource.h"

#include "cwCommandLine.h"

int main(int argc, char* argv[])
{
    if (cwCommandLine::handles(argc, argv))
        return cwCommandLine::run(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Coinwick");
    QApplication::setApplicationVersion(COINWICK_VERSION);

    MyDataSource controller;
    QObject::connect(&controller, &MyDataSource::terminateRequested, &app, [] { QCoreApplication::exit(0); },
                     Qt::QueuedConnection);
    if (!controller.loadMainWindow())
        return 0;

    // A file named on the command line reaches the program as the system's request to open it.
    const QStringList files = QApplication::arguments().mid(1);
    if (!files.isEmpty()) {
        const QString path = QFileInfo(files.first()).absoluteFilePath();
        QMetaObject::invokeMethod(&controller, [&controller, path] { controller.openFile(path); },
                                  Qt::QueuedConnection);
    }
    return app.exec();
}
