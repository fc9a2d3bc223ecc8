#include "macaddressdelegate.h"

#include "qmacaddressedit.h"

MacAddressDelegate::MacAddressDelegate(QObject *parent)
    : QItemDelegate(parent)
{
}

QWidget *MacAddressDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                          const QModelIndex &) const
{
    return new QMacAddressEdit(parent);
}

void MacAddressDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *edit = qobject_cast<QMacAddressEdit *>(editor);
    if (!edit || !index.isValid())
        return;
    // A cell without an address, or with too few bytes, opens with "00" in the missing fields.
    const QString text = index.data(Qt::DisplayRole).toString();
    QStringList parts = text.contains(QLatin1Char('-')) ? text.split(QLatin1Char('-')) : QStringList();
    while (parts.size() < edit->fieldCount())
        parts << QStringLiteral("00");
    edit->setParts(parts);
}

void MacAddressDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                      const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QMacAddressEdit *>(editor))
        model->setData(index, edit->text(), Qt::DisplayRole);
}

void MacAddressDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
