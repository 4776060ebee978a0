#pragma once

#include <QStringList>

// The documents used lately, newest first, kept in the preferences store so that they are
// offered again in later runs.
class cwRecentDocuments
{
public:
    static const int maximumCount = 10;

    // Notes the file of that URL text (file:///home/a/My%20Budget.txt) as the newest.
    static void noteNewRecentDocumentURL(const QString& url);
    // Plain paths, newest first.
    static QStringList recentDocumentPaths();
    static void clearRecentDocuments();
};
