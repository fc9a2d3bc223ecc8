#include "sclinputs.h"

#include "objecttablewidgetitem.h"
#include "xmlobject.h"

namespace {

const XmlObject *topmost(const XmlObject *element)
{
    while (element->parent)
        element = element->parent;
    return element;
}

QString descriptionOf(const XmlObject *doi)
{
    const XmlObject *du = doi ? doi->findChild(QStringLiteral("DAI"), QStringLiteral("name"), QStringLiteral("dU"))
                              : nullptr;
    if (!du)
        return QString();
    const XmlObject *val = du->findChild(QStringLiteral("Val"));
    return val ? val->value : QString(QLatin1String(""));
}

} // namespace

const QString sclInputs::InternalColumn = QStringLiteral("Internal signal description");
const QString sclInputs::ExternalColumn = QStringLiteral("External signal description");

sclInputs::sclInputs(QWidget *parent)
    : sclTableView(QStringLiteral("ExtRef"),
                   QT_TRANSLATE_NOOP("sclTableView", "Modify record: ExtRef iedName = %1 ldInst = %2 lnClass = %3 "
                                                     "lnInst = %4 doName = %5 daName = %6"),
                   parent)
{
}

QList<XmlObject *> sclInputs::rowElements() const
{
    QList<XmlObject *> rows;
    for (const XmlObject *inputs : parentObject->children) {
        if (inputs->name != QLatin1String("Inputs"))
            continue;
        for (XmlObject *extRef : inputs->children) {
            if (extRef->name == rowName)
                rows.append(extRef);
        }
    }
    return rows;
}

QString sclInputs::internalDescription(const XmlObject *extRef)
{
    // intAddr reads LD/LN.DO[.more], for instance LD0/PTOC1.Str.general.
    const QString address = extRef->attribute(QStringLiteral("intAddr"));
    const int slash = address.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    const QStringList path = address.mid(slash + 1).split(QLatin1Char('.'));
    if (path.size() < 2)
        return QString();
    const XmlObject *ied = extRef->enclosing(QStringLiteral("IED"));
    const XmlObject *device = ied ? ied->findDescendant(QStringLiteral("LDevice"), QStringLiteral("inst"),
                                                        address.left(slash))
                                  : nullptr;
    if (!device)
        return QString();
    const XmlObject *node = device->findLogicalNode(QStringLiteral("LN0"), path.first());
    if (!node)
        node = device->findLogicalNode(QStringLiteral("LN"), path.first());
    return node ? descriptionOf(node->findChild(QStringLiteral("DOI"), QStringLiteral("name"), path.at(1)))
                : QString();
}

QString sclInputs::externalDescription(const XmlObject *extRef)
{
    const auto attr = [extRef](const char *name) { return extRef->attribute(QLatin1String(name)); };
    const XmlObject *root = topmost(extRef);
    const XmlObject *ied = root->findChild(QStringLiteral("IED"), QStringLiteral("name"), attr("iedName"));
    const XmlObject *node = ied ? ied->findReferencedNode(attr("ldInst"), attr("prefix"), attr("lnClass"), attr("lnInst"))
                                : nullptr;
    return node ? descriptionOf(node->findChild(QStringLiteral("DOI"), QStringLiteral("name"), attr("doName")))
                : QString();
}

void sclInputs::fillRow(XmlObject *element, int n)
{
    sclTableView::fillRow(element, n);
    const auto addDescription = [&](const QString &column, const QString &caption, const QString &text) {
        // Unresolved references leave the cell without an item. The text
        // belongs to another element, so it is shown, not edited here.
        if (text.isNull())
            return;
        columnFor(column, caption);
        objectTableWidgetItem *cell = addCell(n - 1, column, element, text, false);
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    };
    addDescription(InternalColumn, tr("Internal signal description"), internalDescription(element));
    addDescription(ExternalColumn, tr("External signal description"), externalDescription(element));
}
