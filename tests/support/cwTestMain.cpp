#include "cwTestMain.h"

#include <QTemporaryDir>

#include <cstdlib>

void cwUsePrivateHome()
{
    static QTemporaryDir home;
    if (!home.isValid())
        qFatal("cannot create a private home folder for the tests");
    const QByteArray path = QFile::encodeName(home.path());
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
}
