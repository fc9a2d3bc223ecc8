#ifndef XSATTRIB_H
#define XSATTRIB_H

#include "xsnode.h"

#include <QString>

class XsSimple;

// An attribute declaration: name, type name and use as written in the schema.
class XsAttrib : public XsNode
{
public:
    QString name;
    QString type;
    QString use;
    XsSimple *simple = nullptr; // anonymous simple type
    // A fixed value leaves no choice: LN0's inst must be present and empty.
    bool hasFixed = false;
    QString fixed;
};

#endif // XSATTRIB_H
