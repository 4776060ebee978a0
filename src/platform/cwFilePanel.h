#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QFileDialog;
class QLabel;

// A modal file panel: the file chooser with the program's message above it. The chosen file
// comes back as file URL text in the form the program's path conversions expect,
// "file://localhost" followed by the escaped absolute path (/home/a/My%20Budget.txt).
class cwFilePanel
{
public:
    virtual ~cwFilePanel();

    void setAllowedFileTypes(const QStringList& types);
    void setMessage(const QString& message);
    // Runs the panel in the folder with the name preset; 1 when the user confirmed, else 0.
    int runModalForDirectory(const QString& directory, const QString& file);
    QString URL() const;
    QList<QString> URLs() const;

    // The URL text of an absolute path.
    static QString fileURLText(const QString& path);

protected:
    explicit cwFilePanel(bool saving);
    QFileDialog* fileDialog() const;

private:
    QDialog* _panel;
    QLabel* _message;
    QFileDialog* _chooser;
    QStringList _chosen;
};
