#ifndef XSCOMPLEX_H
#define XSCOMPLEX_H

#include "xsnode.h"

#include <QList>
#include <QString>

class XsAll;
class XsAnyAttribute;
class XsAttrib;
class XsAttribGroup;
class XsContent;
class XsElement;
class XsSequence;

class XsComplex : public XsNode
{
public:
    // The attributes an element of this type may carry, inherited ones included.
    QList<XsAttrib *> allAttributes() const;
    // The child elements an element of this type may have, inherited ones included.
    QList<XsElement *> allElements() const;

    QString name;
    QString abstract;
    bool anonymous = false; // declared inside an element and named after it
    XsContent *content = nullptr;
    QList<XsAttrib *> attributes;
    XsSequence *sequence = nullptr;
    XsAnyAttribute *anyAttribute = nullptr;
    QList<XsElement *> elements;
    XsAll *all = nullptr;
    QList<XsAttribGroup *> attributeGroups; // references
};

#endif // XSCOMPLEX_H
