#include "scllogicnode.h"

#include "xmlobject.h"

namespace {

bool isLn0(const XmlObject *element)
{
    return element->name == QLatin1String("LN0");
}

} // namespace

sclLogicNode::sclLogicNode(QWidget *parent)
    : sclTableView(QStringLiteral("LN"),
                   QT_TRANSLATE_NOOP("sclTableView", "Modify record: LN lnClass = %1 lnType = %2 inst = %3 desc = %4"),
                   parent)
{
}

bool sclLogicNode::lists(const XmlObject *element) const
{
    return element->name.contains(QLatin1String("LN"));
}

void sclLogicNode::fillRow(XmlObject *element, int n)
{
    if (element->attributes.isEmpty())
        return;
    QStringList names = completeAttributes(element);
    if (isLn0(element) && !names.contains(QLatin1String("prefix"))) {
        names.append(QStringLiteral("prefix"));
        names.sort();
    }
    for (const QString &name : names)
        addAttributeCell(n - 1, element, name);
}

bool sclLogicNode::isFixed(const XmlObject *element, const QString &attribute) const
{
    // LN0 has no prefix: its cell only lines the row up with the LN rows.
    return (isLn0(element) && attribute == QLatin1String("prefix")) || sclTableView::isFixed(element, attribute);
}
