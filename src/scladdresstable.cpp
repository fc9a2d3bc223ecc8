#include "scladdresstable.h"

#include "objecttablewidgetitem.h"
#include "xmlobject.h"

sclAddressTable::sclAddressTable(bool resetColumns, bool timing, QWidget *parent)
    : sclTableView(parent),
      m_resetColumns(resetColumns),
      m_timing(timing)
{
}

bool sclAddressTable::isRequired(const XmlObject *element, const QString &attribute) const
{
    return element->name == QLatin1String("P") || element->name == QLatin1String("Val")
            || sclTableView::isRequired(element, attribute);
}

QString sclAddressTable::editedAttribute(const objectTableWidgetItem *item) const
{
    // Parameters and times are element texts; the control block's own cells are attributes.
    const QString &name = item->object->name;
    if (name == QLatin1String("GSE") || name == QLatin1String("SMV"))
        return sclTableView::editedAttribute(item);
    return QStringLiteral("value");
}

bool sclAddressTable::refusesEmpty(const objectTableWidgetItem *item, const QString &attribute) const
{
    // A retransmission time without a number would not be a valid file; it may change, not vanish.
    const QString &name = item->object->name;
    return name == QLatin1String("MinTime") || name == QLatin1String("MaxTime")
            || sclTableView::refusesEmpty(item, attribute);
}

void sclAddressTable::addParameters(int row, XmlObject *address)
{
    for (XmlObject *parameter : address->children) {
        if (parameter->name.contains(QLatin1Char('P')))
            addCell(row, parameter->attribute(QStringLiteral("type")), parameter, parameter->value.trimmed(), true);
    }
}

void sclAddressTable::fill(int row)
{
    connectEditing(false);
    if (m_resetColumns)
        resetColumns();
    if (!parentObject)
        return;
    setRowCount(row);
    if (parentObject->name == QLatin1String("Address")) {
        addParameters(row - 1, parentObject);
    } else {
        fillRow(parentObject, row);
        for (XmlObject *child : parentObject->children) {
            if (child->name == QLatin1String("Address"))
                addParameters(row - 1, child);
            else if (m_timing && (child->name == QLatin1String("MinTime") || child->name == QLatin1String("MaxTime")))
                addCell(row - 1, child->name, child, child->value.trimmed(), false);
        }
    }
    resizeColumnsToContents();
    connectEditing(true);
}
