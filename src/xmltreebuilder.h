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
    // Collects IED names and descriptions for the filter's completer.
    static void buildSclTree(QTreeWidget *tree, const QList<XmlObject *> &roots, QStringList *names);
    // The data type templates only; collects the type ids for the filter's completer.
    static void buildTemplateTree(QTreeWidget *tree, const QList<XmlObject *> &roots, QStringList *ids);
    // The items of an IED's whole subtree, built when the IED item is first opened.
    static void buildSubtree(QTreeWidgetItem *item);
    // The IED names and descriptions, and the type ids, the filters complete.
    static void collectNames(const QList<XmlObject *> &roots, QStringList *names, QStringList *ids);
    // Items for element and all of its descendants, under parent.
    static void addSubtree(QTreeWidgetItem *parent, XmlObject *element);
    // The same, as the child item at position.
    static void insertSubtree(QTreeWidgetItem *parent, int position, XmlObject *element);
    // Replaces the child items of an SCL tree item after its element's children changed.
    static void rebuildChildren(QTreeWidgetItem *item, XmlObject *element);
    // The data instance an FCDA names, with its subtree; false when it names none.
    static bool fillInstanceTree(QTreeWidget *tree, const XmlObject *fcda);
    // The element an FCDA refers to, or null.
    static const XmlObject *fcdaInstance(const XmlObject *fcda);
};

#endif // XMLTREEBUILDER_H
