#ifndef XSEXTENSION_H
#define XSEXTENSION_H

#include "xsnode.h"

#include <QList>
#include <QString>
#include <QStringList>

class XsAttrib;
class XsChoice;
class XsElement;
class XsSequence;

// The xs:extension of a complex or simple content: what it adds to its base type.
class XsExtension : public XsNode
{
public:
    QString base;
    QList<XsAttrib *> attributes;
    QStringList attributeGroups; // referenced group names
    XsSequence *sequence = nullptr;
    QList<XsElement *> elements;
    XsChoice *choice = nullptr;
};

#endif // XSEXTENSION_H
