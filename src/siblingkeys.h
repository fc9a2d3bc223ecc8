#ifndef SIBLINGKEYS_H
#define SIBLINGKEYS_H

#include <QList>
#include <QString>
#include <QStringList>

class XmlObject;

// One key attribute given a new value.
struct KeyChange
{
    QString attribute;
    QString from;
    QString to;
};

// The keys that tell an element from its siblings: its name, id or inst
// among the elements of its kind, a logical node's prefix, class and instance
// together, and the fields of the schema's unique constraints that select it.
class SiblingKeys
{
public:
    // Gives element, about to become a child of parent, keys that no child of
    // parent has, and points what inside element names it at its new keys.
    // The changes made, none when its keys were free.
    static QList<KeyChange> makeUnique(const XmlObject *parent, XmlObject *element);

private:
    SiblingKeys(const QString &parentName, const QString &elementName);

    // Fields that must differ together among the children named in selected ("*" for all).
    struct Constraint
    {
        QStringList fields;
        QStringList selected;
    };

    bool taken(const Constraint &constraint, const XmlObject *parent, const XmlObject *element) const;
    bool takenThrough(const QString &field, const XmlObject *parent, const XmlObject *element) const;
    // The attempt-th value after value that a key may take instead.
    QString candidate(const QString &value, int attempt) const;

    QString m_elementName;
    QList<Constraint> m_constraints;
};

#endif // SIBLINGKEYS_H
