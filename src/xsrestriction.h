#ifndef XSRESTRICTION_H
#define XSRESTRICTION_H

#include "xsnode.h"

#include <QList>
#include <QString>
#include <QStringList>

class XsAttrib;

// The facets of an xs:restriction.
class XsRestriction : public XsNode
{
public:
    QString base;
    QString pattern;
    QString minInclusive;
    QStringList enumerations;
    QString minLength;
    QString maxLength;
    QList<XsAttrib *> attributes;
};

#endif // XSRESTRICTION_H
