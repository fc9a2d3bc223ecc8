#ifndef XSALL_H
#define XSALL_H

#include "xsnode.h"

#include <QList>

class XsElement;

class XsAll : public XsNode
{
public:
    QList<XsElement *> elements;
};

#endif // XSALL_H
