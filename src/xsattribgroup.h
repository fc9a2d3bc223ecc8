#ifndef XSATTRIBGROUP_H
#define XSATTRIBGROUP_H

#include "xsnode.h"

#include <QList>
#include <QString>

class XsAttrib;

// A named attribute group, or a reference to one (then name is the referenced name).
class XsAttribGroup : public XsNode
{
public:
    QString name;
    QList<XsAttrib *> attributes;
    QList<XsAttribGroup *> attributeGroups;
};

#endif // XSATTRIBGROUP_H
