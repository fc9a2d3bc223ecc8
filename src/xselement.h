#ifndef XSELEMENT_H
#define XSELEMENT_H

#include "xsnode.h"

#include <QList>
#include <QString>

class XsComplex;
class XsKey;
class XsKeyRef;
class XsSimple;
class XsUnique;

// An element declaration, or a reference to a global one (then ref holds its name).
class XsElement : public XsNode
{
public:
    QString name;
    QString type;
    QString ref;
    QString minOccurs;
    QString maxOccurs;
    XsComplex *complex = nullptr; // anonymous complex type
    XsUnique *unique = nullptr;
    QList<XsKey *> keys;
    QList<XsKeyRef *> keyRefs;
    XsSimple *simple = nullptr; // anonymous simple type
};

#endif // XSELEMENT_H
