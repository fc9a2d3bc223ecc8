#ifndef XSCHOICE_H
#define XSCHOICE_H

#include "xsnode.h"

#include <QList>
#include <QString>

class XsElement;

class XsChoice : public XsNode
{
public:
    QString minOccurs;
    QString maxOccurs;
    QList<XsElement *> elements;
};

#endif // XSCHOICE_H
