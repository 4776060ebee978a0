#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Reads a whole text file at once, splits it at every CR LF and hands the lines out one
// by one, skipping comment lines (lines that begin with ";"). The lines are views into the
// file's text, which the reader keeps: a caller uses them while the reader lives and copies
// what it keeps, so a line that is only taken apart never becomes a text of its own.
class cwLineArray
{
public:
    // A file that cannot be opened gives a reader whose getNextLine() answers nothing at once.
    explicit cwLineArray(const QString& urlString);
    cwLineArray(const cwLineArray&) = delete;
    cwLineArray& operator=(const cwLineArray&) = delete;

    // The next line, comment lines skipped; nothing at the end. A comment line that is the
    // file's last element is returned as it is.
    std::optional<QStringView> getNextLine();
    void resetLineIndex();
    const QList<QStringView>& lines() const;

private:
    bool _fileValid = false;
    QString _text;
    QList<QStringView> _lines;  // views into _text
    qsizetype _getIndex = 0;
};
