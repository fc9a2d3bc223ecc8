#ifndef OBJECTTABLEWIDGETITEM_H
#define OBJECTTABLEWIDGETITEM_H

#include <QTableWidgetItem>

class XmlObject;

// A table cell that knows the element its row shows.
class objectTableWidgetItem : public QTableWidgetItem
{
public:
    objectTableWidgetItem(const QString &text, XmlObject *object);

    XmlObject *object; // not owned
};

#endif // OBJECTTABLEWIDGETITEM_H
