#ifndef XMLTREEBUILDER_H
#define XMLTREEBUILDER_H

#include <QList>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;
class XmlObject;

// Fills the tree browsers from the document.
class XmlTreeBuilder
{
public:
    // Everything but the data type templates; IEDs get their subtrees on demand.
    static void buildSclTree(QTreeWidget *tree, const QList<XmlObject *> &roots);
    // The data type templates only.
    static void buildTemplateTree(QTreeWidget *tree, const QList<XmlObject *> &roots);
    // The items of an IED's whole subtree, built when the IED item is first opened.
    static void buildSubtree(QTreeWidgetItem *item);
    // The IED names and descriptions, and the type ids, the filters complete.
    static void collectNames(const QList<XmlObject *> &roots, QStringList *names, QStringList *ids);
    // Items for element and all of its descendants, as the child item at position of parent.
    static void insertSubtree(QTreeWidgetItem *parent, int position, XmlObject *element);
    // The data instance an FCDA names, with its subtree; false when it names none.
    static bool fillInstanceTree(QTreeWidget *tree, const XmlObject *fcda);
    // The element an FCDA refers to, or null.
    static const XmlObject *fcdaInstance(const XmlObject *fcda);
};

#endif // XMLTREEBUILDER_H
