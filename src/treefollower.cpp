#include "treefollower.h"

#include "scldocument.h"
#include "xmlobject.h"
#include "xmltreebuilder.h"
#include "xmltreeitem.h"

#include <QTimer>

namespace {

bool namesFilters(const XmlObject *element)
{
    static const QStringList named = {"IED", "LNodeType", "DOType", "DAType", "EnumType"};
    return named.contains(element->name);
}

} // namespace

TreeFollower::TreeFollower(SclDocument *document) : QObject(document)
{
    connect(document, &SclDocument::elementInserted, this, &TreeFollower::inserted);
    connect(document, &SclDocument::elementAboutToBeRemoved, this, &TreeFollower::aboutToRemove);
    connect(document, &SclDocument::elementMoved, this, &TreeFollower::moved);
    connect(document, &SclDocument::attributeChanged, this, &TreeFollower::changed);
}

void TreeFollower::inserted(XmlObject *element)
{
    if (element->name == QLatin1String("DataTypeTemplates")) {
        emit templatesInserted();
        noteNames();
        return;
    }
    XmlObject *parent = element->parent;
    if (!parent->treeItem || !childrenShown(parent))
        return;
    XmlTreeBuilder::insertSubtree(parent->treeItem, itemPosition(element, parent->treeItem), element);
    if (namesFilters(element))
        noteNames();
}

void TreeFollower::aboutToRemove(XmlObject *element)
{
    // Items unlink their elements as they go.
    delete element->treeItem;
    if (namesFilters(element) || element->name == QLatin1String("DataTypeTemplates"))
        noteNames();
}

void TreeFollower::moved(XmlObject *element)
{
    QTreeWidgetItem *item = element->treeItem;
    QTreeWidgetItem *parentItem = item ? item->parent() : nullptr;
    if (!parentItem)
        return;
    const bool expanded = item->isExpanded();
    parentItem->takeChild(parentItem->indexOfChild(item));
    parentItem->insertChild(itemPosition(element, parentItem), item);
    item->setExpanded(expanded);
}

void TreeFollower::changed(XmlObject *element, const QString &)
{
    if (element->treeItem)
        element->treeItem->setText(0, XmlTreeItem::textFor(element));
    if (namesFilters(element))
        noteNames();
}

void TreeFollower::noteNames()
{
    // A step may add or take hundreds of types: the names are gathered once after it.
    if (m_namesPending)
        return;
    m_namesPending = true;
    QTimer::singleShot(0, this, [this] {
        m_namesPending = false;
        emit namesChanged();
    });
}

int TreeFollower::itemPosition(const XmlObject *element, const QTreeWidgetItem *parentItem)
{
    int position = 0;
    for (const XmlObject *sibling : element->parent->children) {
        if (sibling == element)
            break;
        if (sibling->treeItem && sibling->treeItem->parent() == parentItem)
            ++position;
    }
    return position;
}

bool TreeFollower::childrenShown(const XmlObject *parent)
{
    return parent->treeItem->childCount() > 0 || parent->children.size() == 1;
}
