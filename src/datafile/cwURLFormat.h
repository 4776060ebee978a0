#pragma once

#include <QString>

// The program keeps a file name as a plain path (/home/a/My Budget.txt) or as an escaped
// path (/home/a/My%20Budget.txt), as the file panels deliver it; a path with a "%" counts
// as escaped.

// The text with every "file://localhost" removed.
QString URLToFilePath(const QString& url);
// "file://" and the escaped path; a plain path is escaped first (escapedFilePath).
QString filePathToURL(const QString& path);
// The escaped form of a plain path: everything a URL path cannot hold as a percent escape,
// characters beyond ASCII as UTF-8.
QString escapedFilePath(const QString& plainPath);
