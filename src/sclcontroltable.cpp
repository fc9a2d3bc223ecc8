#include "sclcontroltable.h"

#include "xmlobject.h"

namespace {

const QStringList TrueFalse = {QStringLiteral("true"), QStringLiteral("false")};

QStringList dataSetNames(const XmlObject *node)
{
    QStringList names;
    for (const XmlObject *child : node->children) {
        if (child->name == QLatin1String("DataSet"))
            names.append(child->attribute(QStringLiteral("name")));
    }
    return names;
}

} // namespace

sclControlTable::sclControlTable(const QString &rowName, const char *recordPattern, QWidget *parent)
    : sclTableView(rowName, recordPattern, parent)
{
}

void sclControlTable::fillRow(XmlObject *element, int n)
{
    if (element->attributes.isEmpty())
        return;
    const int row = n - 1;
    for (const QString &name : completeAttributes(element)) {
        if (name == QLatin1String("datSet") && element->parent)
            addChoice(row, name, element, name, dataSetNames(element->parent));
        else if (flagAttributes.contains(name))
            addChoice(row, name, element, name, TrueFalse);
        else if (choiceAttributes.contains(name))
            addChoice(row, name, element, name, choiceAttributes.value(name));
        else
            addAttributeCell(row, element, name);
    }
    for (XmlObject *child : element->children) {
        if (!optionElements.contains(child->name))
            continue;
        for (const QString &option : completeAttributes(child))
            addChoice(row, option, child, option, TrueFalse);
    }
}
