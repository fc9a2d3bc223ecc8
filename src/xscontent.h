#ifndef XSCONTENT_H
#define XSCONTENT_H

#include "xsnode.h"

#include <QList>
#include <QString>

class XsAttrib;
class XsExtension;
class XsRestriction;

// An xs:complexContent or xs:simpleContent.
class XsContent : public XsNode
{
public:
    QString mixed;
    XsRestriction *restriction = nullptr;
    XsExtension *extension = nullptr;
    QList<XsAttrib *> attributes;
};

#endif // XSCONTENT_H
