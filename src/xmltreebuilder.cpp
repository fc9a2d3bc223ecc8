#include "xmltreebuilder.h"

#include "xmlobject.h"
#include "xmltreeitem.h"

#include <QTreeWidget>

namespace {

enum class Link { Always, IfUnlinked };

// The SCL tree is built first; the types tree does not take its root's link away.
XmlTreeItem *addItem(QTreeWidget *tree, QTreeWidgetItem *parent, XmlObject *element, Link link = Link::Always)
{
    auto *item = parent ? new XmlTreeItem(parent, element) : new XmlTreeItem(tree, element);
    if (link == Link::Always || !element->treeItem)
        element->treeItem = item;
    return item;
}

void addSclItems(QTreeWidget *tree, QTreeWidgetItem *parent, const QList<XmlObject *> &elements)
{
    for (XmlObject *element : elements) {
        if (element->name == QLatin1String("DataTypeTemplates"))
            continue;
        XmlTreeItem *item = addItem(tree, parent, element);
        if (element->name != QLatin1String("IED"))
            addSclItems(tree, item, element->children);
    }
}

void addTemplateItems(QTreeWidget *tree, QTreeWidgetItem *parent, const QList<XmlObject *> &elements)
{
    static const QStringList skipped = {"Header", "Substation", "Communication", "IED", "Private"};
    for (XmlObject *element : elements) {
        if (skipped.contains(element->name))
            continue;
        XmlTreeItem *item = addItem(tree, parent, element, Link::IfUnlinked);
        addTemplateItems(tree, item, element->children);
    }
}

// The element's link goes to its item in the SCL tree only, not to the instance tree's copy.
enum class Items { Linked, Copies };

void addAll(QTreeWidgetItem *parent, const QList<XmlObject *> &elements, Items items)
{
    for (XmlObject *element : elements) {
        XmlTreeItem *item = items == Items::Linked ? addItem(nullptr, parent, element)
                                                   : new XmlTreeItem(parent, element);
        addAll(item, element->children, items);
        item->setExpanded(items == Items::Copies);
    }
}

} // namespace

void XmlTreeBuilder::buildSclTree(QTreeWidget *tree, const QList<XmlObject *> &roots)
{
    tree->clear();
    addSclItems(tree, nullptr, roots);
    tree->resizeColumnToContents(0);
}

void XmlTreeBuilder::buildTemplateTree(QTreeWidget *tree, const QList<XmlObject *> &roots)
{
    tree->clear();
    addTemplateItems(tree, nullptr, roots);
    tree->resizeColumnToContents(0);
}

void XmlTreeBuilder::collectNames(const QList<XmlObject *> &roots, QStringList *names, QStringList *ids)
{
    static const QStringList types = {"LNodeType", "DOType", "DAType", "EnumType"};
    for (const XmlObject *root : roots) {
        for (const XmlObject *section : root->children) {
            if (section->name == QLatin1String("IED")) {
                names->append(section->attribute(QStringLiteral("name")));
                const QString desc = section->attribute(QStringLiteral("desc"));
                if (!QString(desc).remove(QLatin1Char(' ')).isEmpty())
                    names->append(desc);
            } else if (section->name == QLatin1String("DataTypeTemplates")) {
                for (const XmlObject *type : section->children) {
                    if (types.contains(type->name))
                        ids->append(type->attribute(QStringLiteral("id")));
                }
            }
        }
    }
}

void XmlTreeBuilder::buildSubtree(QTreeWidgetItem *item)
{
    auto *treeItem = static_cast<XmlTreeItem *>(item);
    if (item->childCount() > 0 || !treeItem->element())
        return;
    addAll(item, treeItem->element()->children, Items::Linked);
}

void XmlTreeBuilder::insertSubtree(QTreeWidgetItem *parent, int position, XmlObject *element)
{
    auto *item = new XmlTreeItem(static_cast<QTreeWidgetItem *>(nullptr), element);
    element->treeItem = item;
    addAll(item, element->children, Items::Linked);
    parent->insertChild(position, item);
}

const XmlObject *XmlTreeBuilder::fcdaInstance(const XmlObject *fcda)
{
    const auto attr = [fcda](const char *name) { return fcda->attribute(QLatin1String(name)); };
    const XmlObject *ied = fcda->enclosing(QStringLiteral("IED"));
    const XmlObject *node = ied ? ied->findReferencedNode(attr("ldInst"), attr("prefix"), attr("lnClass"), attr("lnInst"))
                                : nullptr;
    const QStringList path = attr("doName").split(QLatin1Char('.'));
    const XmlObject *instance = node ? node->findDescendant(QStringLiteral("DOI"), QStringLiteral("name"), path.first()) : nullptr;
    for (int i = 1; instance && i < path.size(); ++i)
        instance = instance->findDescendant(QStringLiteral("SDI"), QStringLiteral("name"), path.at(i));
    return instance;
}

bool XmlTreeBuilder::fillInstanceTree(QTreeWidget *tree, const XmlObject *fcda)
{
    const XmlObject *instance = fcdaInstance(fcda);
    if (!instance)
        return false;
    tree->clear();
    for (XmlObject *child : instance->children) {
        auto *item = new XmlTreeItem(tree, child);
        addAll(item, child->children, Items::Copies);
        item->setExpanded(true);
    }
    return true;
}
