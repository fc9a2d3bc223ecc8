#include "objecttablewidgetitem.h"

objectTableWidgetItem::objectTableWidgetItem(const QString &text, XmlObject *object)
    : QTableWidgetItem(text, QTableWidgetItem::Type),
      object(object)
{
}
