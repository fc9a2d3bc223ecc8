#include "childplacement.h"

#include "xmlobject.h"
#include "xmlschema.h"
#include "xsall.h"
#include "xschoice.h"
#include "xscomplex.h"
#include "xscontent.h"
#include "xselement.h"
#include "xsextension.h"
#include "xssequence.h"

#include <QStringList>

namespace {

// Deeper than any derivation chain of the SCL schema: a base type that names itself stops here.
const int MaxDerivationDepth = 16;

// A declaration's element name, without a namespace prefix ("scl:LN" declares LN).
QString declaredName(const XsElement *declaration)
{
    const QString name = declaration->name.isEmpty() ? declaration->ref : declaration->name;
    return name.section(QLatin1Char(':'), -1);
}

QStringList declaredNames(const QList<XsElement *> &declarations)
{
    QStringList names;
    for (const XsElement *declaration : declarations)
        names.append(declaredName(declaration));
    return names;
}

} // namespace

ChildPlacement::ChildPlacement(const QString &parentName)
{
    collect(XmlSchema::instance()->complexTypeOf(parentName), 0);
}

void ChildPlacement::collect(const XsComplex *type, int depth)
{
    if (!type || depth > MaxDerivationDepth)
        return;
    // A derived type's content follows its base's.
    if (type->content && type->content->extension) {
        const XsExtension *extension = type->content->extension;
        collect(XmlSchema::instance()->complexType(extension->base), depth + 1);
        for (const XsElement *declaration : extension->elements)
            addGroup({declaredName(declaration)});
        if (extension->sequence) {
            for (const XsElement *declaration : extension->sequence->elements)
                addGroup({declaredName(declaration)});
        }
        if (extension->choice)
            addGroup(declaredNames(extension->choice->elements));
    }
    for (const XsElement *declaration : type->elements)
        addGroup({declaredName(declaration)});
    if (type->sequence) {
        for (const XsElement *declaration : type->sequence->elements)
            addGroup({declaredName(declaration)});
    }
    if (type->all)
        addGroup(declaredNames(type->all->elements));
}

void ChildPlacement::addGroup(const QStringList &names)
{
    for (const QString &name : names) {
        if (!name.isEmpty() && !m_ranks.contains(name))
            m_ranks.insert(name, m_next);
    }
    ++m_next;
}

int ChildPlacement::rank(const QString &childName) const
{
    return m_ranks.value(childName, Unknown);
}

int ChildPlacement::position(const XmlObject *parent, const QString &childName) const
{
    const QList<XmlObject *> &children = parent->children;
    const int own = rank(childName);
    if (own == Unknown)
        return children.size();
    // Wrong at position p: children before p that must follow it, and from p on those that must precede it.
    int mustFollowBefore = 0;
    int mustPrecedeFrom = 0;
    for (const XmlObject *child : children) {
        const int other = rank(child->name);
        mustPrecedeFrom += other != Unknown && other < own;
    }
    int best = 0;
    int fewestWrong = children.size() + 1;
    for (int p = 0; p <= children.size(); ++p) {
        if (mustFollowBefore + mustPrecedeFrom <= fewestWrong) {
            fewestWrong = mustFollowBefore + mustPrecedeFrom;
            best = p; // the last of equally good places: after those of its own name
        }
        const int other = p < children.size() ? rank(children.at(p)->name) : Unknown;
        mustFollowBefore += other > own;
        mustPrecedeFrom -= other != Unknown && other < own;
    }
    return best;
}

int ChildPlacement::positionIn(const XmlObject *parent, const QString &childName)
{
    return ChildPlacement(parent->name).position(parent, childName);
}

int ChildPlacement::firstMisplaced(const XmlObject *parent) const
{
    int highest = Unknown;
    for (int i = 0; i < parent->children.size(); ++i) {
        const int own = rank(parent->children.at(i)->name);
        if (own == Unknown)
            continue;
        if (own < highest)
            return i;
        highest = own;
    }
    return -1;
}
