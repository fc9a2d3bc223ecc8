#ifndef MACADDRESSDELEGATE_H
#define MACADDRESSDELEGATE_H

#include <QItemDelegate>

// Edits a table cell holding a MAC address with a QMacAddressEdit.
class MacAddressDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit MacAddressDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};

#endif // MACADDRESSDELEGATE_H
