#ifndef XMLTREEITEM_H
#define XMLTREEITEM_H

#include <QTreeWidgetItem>

class XmlObject;

// A tree item that shows one element of the document and is linked to it both ways.
class XmlTreeItem : public QTreeWidgetItem
{
public:
    XmlTreeItem(QTreeWidget *tree, XmlObject *element);
    XmlTreeItem(QTreeWidgetItem *parent, XmlObject *element);
    ~XmlTreeItem() override;

    XmlObject *element() const { return m_element; }
    // Every item gets a serial number that is never reused, so that a holder of
    // an item pointer can tell whether that item still exists.
    quint64 serial() const { return m_serial; }
    static bool isAlive(const XmlTreeItem *item, quint64 serial);

    static QString iconFor(const QString &elementName);
    static QString textFor(const XmlObject *element);

private:
    void show();

    XmlObject *m_element;
    quint64 m_serial;
};

#endif // XMLTREEITEM_H
