#pragma once

#include <QString>

// The installed program as a bundle: its version, the folder its resources live in, and the
// executable of another bundle. A bundle is a folder "X.app" whose executable is the file "X"
// inside it.
class cwBundle
{
public:
    static QString version();
    static QString resourcePath();
    // Tests keep their own small bundles in a temporary resource folder.
    static void setResourcePathForTesting(const QString& path);
    // The executable inside the bundle at that path, or "" when there is none.
    static QString executablePath(const QString& bundlePath);
};
