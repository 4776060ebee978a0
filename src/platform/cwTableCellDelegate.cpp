#include "cwTableCellDelegate.h"

#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "cwTableView.h"

cwTableCellDelegate::cwTableCellDelegate(cwTableView* table)
    : QStyledItemDelegate(table), _table(table)
{
}

QWidget* cwTableCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    if (_table->cellKind(index.column()) != cwTableView::CellKind::ComboBox)
        return QStyledItemDelegate::createEditor(parent, option, index);
    // Any text may be typed; the items are offered and completed, never enforced.
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    const QString identifier = _table->columnIdentifier(index.column());
    combo->addItems(_table->comboItems(identifier));
    if (_table->comboVisibleItems(identifier) > 0)
        combo->setMaxVisibleItems(_table->comboVisibleItems(identifier));
    combo->completer()->setCompletionMode(QCompleter::InlineCompletion);
    combo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    return combo;
}

void cwTableCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setEditText(index.data(Qt::EditRole).toString());
        combo->lineEdit()->selectAll();
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void cwTableCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool cwTableCellDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                      const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (_table->cellKind(index.column()) != cwTableView::CellKind::CheckBox)
        return QStyledItemDelegate::editorEvent(event, model, option, index);

    bool toggle = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        toggle = mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint());
    } else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;  // the release toggles
    } else if (event->type() == QEvent::KeyPress) {
        toggle = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
    }
    if (!toggle || !_table->shouldEditCell(index.column(), index.row()))
        return false;
    const bool on = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return model->setData(index, on ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}
