#include "xmltreeitem.h"

#include "xmlobject.h"
#include "xmlschema.h"

#include <QHash>

namespace {

quint64 nextSerial = 0;

QHash<const XmlTreeItem *, quint64> &liveItems()
{
    static QHash<const XmlTreeItem *, quint64> items;
    return items;
}

} // namespace

XmlTreeItem::XmlTreeItem(QTreeWidget *tree, XmlObject *element)
    : QTreeWidgetItem(tree), m_element(element), m_serial(++nextSerial)
{
    liveItems().insert(this, m_serial);
    show();
}

XmlTreeItem::XmlTreeItem(QTreeWidgetItem *parent, XmlObject *element)
    : QTreeWidgetItem(parent), m_element(element), m_serial(++nextSerial)
{
    liveItems().insert(this, m_serial);
    show();
}

bool XmlTreeItem::isAlive(const XmlTreeItem *item, quint64 serial)
{
    return item && liveItems().value(item) == serial;
}

XmlTreeItem::~XmlTreeItem()
{
    liveItems().remove(this);
    if (m_element && m_element->treeItem == this)
        m_element->treeItem = nullptr;
}

void XmlTreeItem::show()
{
    // Loading an icon looks at the file each time: share one per element name.
    static QHash<QString, QIcon> icons;
    auto icon = icons.constFind(m_element->name);
    if (icon == icons.constEnd())
        icon = icons.insert(m_element->name, QIcon(iconFor(m_element->name)));
    setText(0, textFor(m_element));
    setIcon(0, *icon);
}

QString XmlTreeItem::iconFor(const QString &elementName)
{
    static const QHash<QString, QString> icons = {
        {"SCL", "scl"}, {"Header", "header"}, {"History", "header"},
        {"Communication", "communication"}, {"SubNetwork", "subnetwork"}, {"IED", "ied"},
        {"LDevice", "ld"}, {"DataTypeTemplates", "DataTypeTemplates"}, {"LN0", "ln"}, {"LN", "ln"},
        {"DataSet", "ds"}, {"FCDA", "fcda"}, {"ReportControl", "report"}, {"Inputs", "inputs"},
        {"SampledValueControl", "smv"}, {"LogControl", "lg"}, {"DOI", "doi"}, {"SDI", "sdi"},
        {"DAI", "dai"}, {"LNodeType", "lntype"}, {"DO", "do"}, {"DOType", "dotype"}, {"SDO", "sdo"},
        {"DA", "da"}, {"DAType", "datype"}, {"BDA", "bda"}, {"EnumType", "enumtype"},
        {"EnumVal", "enumval"}, {"GSEControl", "gse"},
    };
    return QStringLiteral(":/Kestrel/") + icons.value(elementName, QStringLiteral("SclCommon"));
}

QString XmlTreeItem::textFor(const XmlObject *element)
{
    if (element->name != QLatin1String("Val"))
        return element->label();
    // An enumerated value stored by its ord shows the literal of its EnumType.
    const XmlObject *type = element->parent ? XmlSchema::instance()->instanceType(element->parent) : nullptr;
    if (const XmlObject *entry = type ? type->index.value(element->value) : nullptr)
        return entry->value;
    return element->value;
}
