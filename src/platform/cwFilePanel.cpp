#include "cwFilePanel.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

cwFilePanel::cwFilePanel(bool saving)
    : _panel(new QDialog(QApplication::activeWindow())),
      _message(new QLabel(_panel)),
      _chooser(new QFileDialog(_panel))
{
    _panel->setObjectName("cwFilePanel");
    _panel->setWindowTitle(saving ? QObject::tr("Save") : QObject::tr("Open"));
    _panel->setWindowModality(Qt::ApplicationModal);
    _message->setObjectName("_panelMessage");
    _message->setWordWrap(true);
    _message->hide();

    // The chooser lives inside the panel as a plain widget, so the message can stand above it.
    _chooser->setWindowFlags(Qt::Widget);
    _chooser->setOption(QFileDialog::DontUseNativeDialog);
    _chooser->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    _chooser->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QObject::connect(_chooser, &QFileDialog::finished, _panel, &QDialog::done);

    auto* layout = new QVBoxLayout(_panel);
    layout->addWidget(_message);
    layout->addWidget(_chooser);
    _panel->resize(720, 480);
}

cwFilePanel::~cwFilePanel()
{
    delete _panel;
}

QFileDialog* cwFilePanel::fileDialog() const
{
    return _chooser;
}

void cwFilePanel::setAllowedFileTypes(const QStringList& types)
{
    QStringList patterns;
    for (const QString& type : types)
        patterns.append("*." + type);
    _chooser->setNameFilter(QObject::tr("Budget files (%1)").arg(patterns.join(' ')));
    if (!types.isEmpty())
        _chooser->setDefaultSuffix(types.first());
}

void cwFilePanel::setMessage(const QString& message)
{
    _message->setText(message);
    _message->setVisible(!message.isEmpty());
}

int cwFilePanel::runModalForDirectory(const QString& directory, const QString& file)
{
    _chosen.clear();
    _chooser->setDirectory(directory);
    _chooser->selectFile(file);
    _chooser->show();
    if (_panel->exec() != QDialog::Accepted)
        return 0;
    _chosen = _chooser->selectedFiles();
    return _chosen.isEmpty() ? 0 : 1;
}

QString cwFilePanel::URL() const
{
    return _chosen.isEmpty() ? QString() : fileURLText(_chosen.first());
}

QList<QString> cwFilePanel::URLs() const
{
    QList<QString> urls;
    for (const QString& path : _chosen)
        urls.append(fileURLText(path));
    return urls;
}

QString cwFilePanel::fileURLText(const QString& path)
{
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    // Keep what may stand in a URL path as it is; escape the rest (a space becomes %20).
    const QByteArray escaped = QUrl::toPercentEncoding(absolute, "/!$&'()*+,;=:@");
    return "file://localhost" + QString::fromLatin1(escaped);
}
