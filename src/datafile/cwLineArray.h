#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Reads a whole text file at once, splits it at every CR LF and hands the lines out one
// by one, skipping comment lines (lines that begin with ";").
class cwLineArray
{
public:
    // A file that cannot be opened gives a reader whose getNextLine() answers nothing at once.
    explicit cwLineArray(const QString& urlString);

    // The next line, comment lines skipped; nothing at the end. A comment line that is the
    // file's last element is returned as it is.
    std::optional<QString> getNextLine();
    void resetLineIndex();
    const QStringList& lines() const;

private:
    bool _fileValid = false;
    QStringList _lines;
    qsizetype _getIndex = 0;
};
