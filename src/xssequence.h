#ifndef XSSEQUENCE_H
#define XSSEQUENCE_H

#include "xsnode.h"

#include <QList>

class XsAny;
class XsElement;

class XsSequence : public XsNode
{
public:
    QList<XsElement *> elements;
    QList<XsAny *> anys;
};

#endif // XSSEQUENCE_H
