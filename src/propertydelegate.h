#ifndef PROPERTYDELEGATE_H
#define PROPERTYDELEGATE_H

#include <QItemDelegate>

// Edits one attribute value with an editor chosen from the SCL schema: a choice
// of type ids, enumeration literals or fixed words, a pattern-checked line
// edit, a spin box, or a plain line edit. The cell says what it edits through
// the roles below.
class PropertyDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    enum Role {
        TypeRole = Qt::UserRole + 1,  // schema type name of the attribute
        AttributeRole,                // attribute name
        ElementRole                   // name of the element the attribute belongs to
    };

    explicit PropertyDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};

#endif // PROPERTYDELEGATE_H
