#ifndef XMLOBJECT_H
#define XMLOBJECT_H

#include "attributemap.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class XmlTreeItem;

// A comment or processing instruction of the file. It is kept beside an
// element, not among its children, so that nothing walking the tree meets
// it, and a save writes it back where it stood.
struct XmlComment
{
    enum Place {
        Before, // before the element's start tag
        Inside, // before the end tag: after the last child, or at textOffset in the text
        After,  // after the end tag (what follows the last root)
    };

    bool isInstruction() const { return !target.isEmpty(); }
    bool operator==(const XmlComment &other) const
    {
        return place == other.place && textOffset == other.textOffset && target == other.target
                && text == other.text;
    }

    Place place = Before;
    int textOffset = 0;
    QString target; // a processing instruction's target; empty for a comment
    QString text;   // the comment, or the instruction's data
};

// One element of an SCL document. A document is the list of its root
// elements; every element owns its children. Data members are public: the
// editors, views and checks read and change them directly.
class XmlObject
{
public:
    XmlObject() = default;
    // Deep copy of name, text, attributes, comments and children. The copy has no
    // parent, no tree item link and line number 0; index is not copied.
    XmlObject(const XmlObject &other);
    XmlObject &operator=(const XmlObject &) = delete;
    // Deletes the subtree. The caller unlinks the element from its parent first.
    ~XmlObject();

    // The value of an attribute, or a null string when the element lacks it.
    QString attribute(const QString &key) const { return attributes.value(key); }

    XmlObject *findChild(const QString &name) const;
    XmlObject *findChild(const QString &name, const QString &key, const QString &val) const;

    // Pre-order searches below this element (the element itself is never a match).
    XmlObject *findDescendant(const QString &name) const;
    XmlObject *findDescendant(const QString &name, const QString &key, const QString &val) const;
    XmlObject *findDescendant(const QString &name, const QStringList &keys, const QStringList &vals) const;
    // Finds the logical node element `name` (LN0 or LN) whose prefix + lnClass + inst is lnKey.
    XmlObject *findLogicalNode(const QString &name, const QString &lnKey) const;

    // This element or its nearest ancestor of that name, or null.
    XmlObject *enclosing(const QString &name) const;
    // In an IED: the first LN0, or else LN, of the LDevice whose inst is ldInst
    // with these prefix, lnClass and inst (how FCDAs and ExtRefs name a node).
    XmlObject *findReferencedNode(const QString &ldInst, const QString &prefix, const QString &lnClass,
                                  const QString &lnInst) const;

    // prefix + lnClass + inst: how references name a logical node.
    QString logicalNodeKey() const;

    // The text a tree shows for this element.
    QString label() const;

    QString name;
    // The element's text as read (untrimmed); written back as the element text.
    QString value;
    QList<XmlObject *> children;
    // Children of type definitions by name and by type (filled by the schema services).
    QHash<QString, XmlObject *> index;
    AttributeMap attributes;
    // Empty for almost every element, and then it costs one pointer.
    QVector<XmlComment> comments;
    XmlObject *parent = nullptr;
    XmlTreeItem *treeItem = nullptr;
    int lineNumber = 0;

private:
    template<typename Match>
    XmlObject *findFirst(Match match) const;
};

// Escapes &, <, > and " for XML text and attribute values (apostrophes stay).
QString xmlEscape(const QString &text);

#endif // XMLOBJECT_H
