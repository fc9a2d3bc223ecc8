#include "subnetworkdelegate.h"

#include "xmlobject.h"

#include <QComboBox>

SubNetworkDelegate::SubNetworkDelegate(QObject *parent, XmlObject *object)
    : QItemDelegate(parent), m_object(object)
{
}

QWidget *SubNetworkDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                          const QModelIndex &) const
{
    auto *combo = new QComboBox(parent);
    // The empty item lets the user leave the cell without a SubNetwork.
    combo->addItem(QString());
    if (const XmlObject *section = communication()) {
        for (const XmlObject *child : section->children) {
            const QString name = child->attribute(QStringLiteral("name"));
            if (child->name == QLatin1String("SubNetwork") && !name.isEmpty())
                combo->addItem(name);
        }
    }
    return combo;
}

void SubNetworkDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo || !index.isValid())
        return;
    const QString text = index.data(Qt::DisplayRole).toString();
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void SubNetworkDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                      const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        model->setData(index, combo->currentText(), Qt::DisplayRole);
}

void SubNetworkDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                              const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

const XmlObject *SubNetworkDelegate::communication() const
{
    for (const XmlObject *element = m_object; element; element = element->parent) {
        if (element->name == QLatin1String("Communication"))
            return element;
    }
    return nullptr;
}
