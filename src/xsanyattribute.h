#ifndef XSANYATTRIBUTE_H
#define XSANYATTRIBUTE_H

#include "xsnode.h"

#include <QString>

// An xs:anyAttribute wildcard of a complex type.
class XsAnyAttribute : public XsNode
{
public:
    QString namespaces; // the wildcard's namespace attribute
    QString processContents;
};

#endif // XSANYATTRIBUTE_H
