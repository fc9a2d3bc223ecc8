#ifndef XSANY_H
#define XSANY_H

#include "xsnode.h"

#include <QString>

// An xs:any wildcard of a sequence.
class XsAny : public XsNode
{
public:
    QString namespaces; // the wildcard's namespace attribute
    QString processContents;
    QString minOccurs;
    QString maxOccurs;
};

#endif // XSANY_H
