#include "cwSheetAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString plainText(QString text)
{
    return text.remove('&');
}

QString labelText(QDialog* sheet, const QStringList& names)
{
    for (const QString& name : names) {
        auto* label = sheet->findChild<QLabel*>(name);
        if (label && !label->isHidden())
            return label->text();
    }
    return QString();
}

}  // namespace

cwSheetAnswerer& cwSheetAnswerer::instance()
{
    static cwSheetAnswerer* answerer = new cwSheetAnswerer;
    return *answerer;
}

cwSheetAnswerer::cwSheetAnswerer()
{
    _timer.setInterval(15);
    connect(&_timer, &QTimer::timeout, this, &cwSheetAnswerer::poll);
    _timer.start();
}

void cwSheetAnswerer::expect(const QString& title, const QString& message, const QString& button,
                             Inspector inspect)
{
    _expected.append({title, message, button, QString(), false, inspect});
}

void cwSheetAnswerer::expectFile(const QString& message, const QString& path)
{
    _expected.append({QString(), message, QString(), path, true, {}});
}

bool cwSheetAnswerer::allAnswered() const
{
    return _expected.isEmpty();
}

QStringList cwSheetAnswerer::takeFailures()
{
    QStringList failures = _failures;
    for (const Expectation& e : _expected)
        failures.append(QString("Expected sheet never shown: \"%1\" / \"%2\"").arg(e.title, e.message));
    _failures.clear();
    _expected.clear();
    return failures;
}

QString cwSheetAnswerer::lastTitle() const
{
    return _lastTitle;
}

QString cwSheetAnswerer::lastMessage() const
{
    return _lastMessage;
}

QString cwSheetAnswerer::titleOf(QDialog* sheet)
{
    const QString title = labelText(sheet, {"_windowTitle", "_companyName"});
    return title.isNull() ? sheet->windowTitle() : title;
}

QString cwSheetAnswerer::messageOf(QDialog* sheet)
{
    return labelText(sheet, {"_windowMessage", "_message", "_panelMessage"});
}

QDialog* cwSheetAnswerer::innermostSheet() const
{
    QList<QDialog*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(w);
        if (dialog && dialog->isVisible() && dialog->windowModality() != Qt::NonModal)
            open.append(dialog);
    }
    // A sheet stacked on another sheet has that sheet's window as its parent.
    for (QDialog* candidate : open) {
        bool covered = false;
        for (QDialog* other : open) {
            if (other != candidate && other->parentWidget() && other->parentWidget()->window() == candidate)
                covered = true;
        }
        if (!covered)
            return candidate;
    }
    return nullptr;
}

void cwSheetAnswerer::poll()
{
    QDialog* sheet = innermostSheet();
    if (!sheet || sheet == _answering)
        return;
    // The button is pressed from a fresh event, not from inside this timer: the answer may
    // open the next sheet, and Qt does not fire a timer again while its own call still runs.
    _answering = sheet;
    QMetaObject::invokeMethod(this, [this, sheet = QPointer<QDialog>(sheet)] {
        if (!sheet)
            return;
        if (_expected.isEmpty()) {
            _failures.append(QString("Unexpected sheet: \"%1\" / \"%2\"").arg(titleOf(sheet), messageOf(sheet)));
            dismiss(sheet);
        } else {
            answer(sheet);
        }
        // A sheet still up after its answer (it opened another one, or refused) may be answered again.
        _answering = nullptr;
    }, Qt::QueuedConnection);
}

void cwSheetAnswerer::answer(QDialog* sheet)
{
    const Expectation e = _expected.takeFirst();
    _lastTitle = titleOf(sheet);
    _lastMessage = messageOf(sheet);
    if (!e.title.isNull() && e.title != _lastTitle)
        _failures.append(QString("Sheet title \"%1\", expected \"%2\"").arg(_lastTitle, e.title));
    if (!e.message.isNull() && e.message != _lastMessage)
        _failures.append(QString("Sheet message \"%1\", expected \"%2\"").arg(_lastMessage, e.message));
    if (e.inspect)
        e.inspect(sheet);

    auto* chooser = sheet->findChild<QFileDialog*>();
    if (e.filePanel != (chooser != nullptr)) {
        _failures.append(QString("Sheet \"%1\" is not the kind expected").arg(_lastTitle));
        dismiss(sheet);
        return;
    }
    if (chooser) {
        auto* box = chooser->findChild<QDialogButtonBox*>("buttonBox");
        if (e.path.isEmpty()) {
            box->button(QDialogButtonBox::Cancel)->click();
            return;
        }
        chooser->findChild<QLineEdit*>("fileNameEdit")->setText(e.path);
        QAbstractButton* confirm = box->button(QDialogButtonBox::Save);
        if (!confirm)
            confirm = box->button(QDialogButtonBox::Open);
        confirm->click();
        return;
    }
    for (QAbstractButton* button : sheet->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->isEnabled() && plainText(button->text()) == e.button) {
            button->click();
            return;
        }
    }
    _failures.append(QString("Sheet \"%1\" has no button \"%2\"").arg(_lastTitle, e.button));
    dismiss(sheet);
}

void cwSheetAnswerer::dismiss(QDialog* sheet)
{
    // The way a user gets rid of a window: Escape, which the sheet answers as its own cancel.
    sheet->reject();
}
