#ifndef CHILDPLACEMENT_H
#define CHILDPLACEMENT_H

#include <QHash>
#include <QString>

class XmlObject;
class XsComplex;

// Where a new child goes among an element's children, so that the file keeps
// the order the element's schema type prescribes: a sequence fixes the order
// of its members, a base type's content comes before what a derived type adds,
// and the members of a choice or an all may stand in any order among each other.
class ChildPlacement
{
public:
    // The content model of the element type of that name; none when the schema does not know it.
    explicit ChildPlacement(const QString &parentName);

    // The position among parent's children where a new child of that name goes:
    // after the last child that must come before it or may stand beside it
    // (one of its own name included) and before the first that must come
    // after it. Among children out of order, where the fewest stand on the
    // wrong side of it. Children the model does not know keep their place and
    // decide nothing; a child or parent the model does not know goes to the end.
    int position(const XmlObject *parent, const QString &childName) const;
    // The same for a new child of parent.
    static int positionIn(const XmlObject *parent, const QString &childName);

    // The index of the first child that stands before one it must follow; -1 when the order is sound.
    int firstMisplaced(const XmlObject *parent) const;

private:
    static constexpr int Unknown = -1;
    // The place of a child name in the content model; equal places may interleave.
    int rank(const QString &childName) const;
    void collect(const XsComplex *type, int depth);
    void addGroup(const QStringList &names);

    QHash<QString, int> m_ranks;
    int m_next = 0;
};

#endif // CHILDPLACEMENT_H
