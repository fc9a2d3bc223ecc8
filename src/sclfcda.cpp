#include "sclfcda.h"

#include "insertcommand.h"
#include "modifyrecord.h"
#include "scldocument.h"
#include "xmlobject.h"

const QString sclFcda::DescriptionColumn = QStringLiteral("dU-Val");


sclFcda::sclFcda(QWidget *parent)
    : sclTableView(QStringLiteral("FCDA"),
                   QT_TRANSLATE_NOOP("sclTableView", "Modify record: FCDA ldInst = %1 lnClass = %2 lnInst = %3 fc = %4 "
                                                     "doName = %5 daName = %6"),
                   parent)
{
}

XmlObject *sclFcda::dataObject(const XmlObject *fcda)
{
    const auto attr = [fcda](const char *name) { return fcda->attribute(QLatin1String(name)); };
    const XmlObject *ied = fcda->enclosing(QStringLiteral("IED"));
    const XmlObject *node = ied ? ied->findReferencedNode(attr("ldInst"), attr("prefix"), attr("lnClass"), attr("lnInst"))
                                : nullptr;
    if (!node)
        return nullptr;
    // A structured name reaches one SDI deep; further parts are not followed.
    const QStringList path = attr("doName").split(QLatin1Char('.'));
    XmlObject *object = node->findChild(QStringLiteral("DOI"), QStringLiteral("name"), path.first());
    if (object && path.size() > 1)
        object = object->findChild(QStringLiteral("SDI"), QStringLiteral("name"), path.at(1));
    return object;
}

void sclFcda::fillRow(XmlObject *element, int n)
{
    for (const QString &name : element->attributes.keys()) {
        if (name != QLatin1String("desc"))
            addAttributeCell(n - 1, element, name);
    }
    const XmlObject *object = dataObject(element);
    XmlObject *description = object ? object->findChild(QStringLiteral("DAI"), QStringLiteral("name"),
                                                        QStringLiteral("dU"))
                                    : nullptr;
    if (description) {
        const XmlObject *val = description->findChild(QStringLiteral("Val"));
        addCell(n - 1, DescriptionColumn, description, val ? val->value : QString(),
                isRequired(description, DescriptionColumn));
    }
}

bool sclFcda::writeValue(XmlObject *element, const QString &attribute, const QString &value)
{
    if (attribute != DescriptionColumn)
        return sclTableView::writeValue(element, attribute, value);
    QList<XmlObject *> vals;
    for (XmlObject *child : element->children) {
        if (child->name == QLatin1String("Val"))
            vals.append(child);
    }
    document()->beginMacro(tr("edit description of %1").arg(EditCommand::nameOf(element->parent)));
    if (vals.isEmpty()) {
        // A description without a value yet: the typed text must land somewhere.
        auto *val = new XmlObject;
        val->name = QStringLiteral("Val");
        document()->execute(std::make_unique<InsertCommand>(element, -1, val));
        vals.append(val);
    }
    for (XmlObject *val : vals)
        ModifyRecord::write(*document(), val, QStringLiteral("value"), value);
    document()->endMacro();
    return true;
}

void sclFcda::slotItemClicked(QTableWidgetItem *item)
{
    sclTableView::slotItemClicked(item);
    if (const XmlObject *member = clickedObject())
        emit fcdaSelected(member);
}
