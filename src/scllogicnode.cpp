#include "scllogicnode.h"

#include "xmlobject.h"

namespace {

bool isLn0Inst(const XmlObject *element, const QString &attribute)
{
    return element->name == QLatin1String("LN0") && attribute == QLatin1String("inst");
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
    if (element->name == QLatin1String("LN0") && !names.contains(QLatin1String("prefix"))) {
        names.append(QStringLiteral("prefix"));
        names.sort();
    }
    for (const QString &name : names)
        addCell(n - 1, name, element, element->attribute(name), isRequired(element, name));
}

bool sclLogicNode::isRequired(const XmlObject *element, const QString &attribute) const
{
    return !isLn0Inst(element, attribute) && sclTableView::isRequired(element, attribute);
}
