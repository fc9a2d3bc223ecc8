#ifndef SUBNETWORKDELEGATE_H
#define SUBNETWORKDELEGATE_H

#include <QItemDelegate>

class XmlObject;

// Edits a table cell naming a SubNetwork with a choice of the document's
// SubNetworks, read afresh each time the cell is opened.
class SubNetworkDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    // object: any element of the document whose Communication section is
    // offered (the section itself or one of its descendants); not owned.
    SubNetworkDelegate(QObject *parent, XmlObject *object);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    const XmlObject *communication() const;

    XmlObject *m_object;
};

#endif // SUBNETWORKDELEGATE_H
