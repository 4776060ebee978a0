#pragma once

#include <QString>

// Where the Subversion client is started from: always /usr/bin/svn in the program. The sync
// tests point it at another path to exercise a missing client.
QString svnClientPath();
void setSvnClientPathForTesting(const QString& path);
