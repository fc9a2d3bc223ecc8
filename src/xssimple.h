#ifndef XSSIMPLE_H
#define XSSIMPLE_H

#include "xsnode.h"

#include <QString>
#include <QStringList>

class XsRestriction;

class XsSimple : public XsNode
{
public:
    // The permitted values, those of union member types included.
    QStringList allEnumerations() const;
    // The pattern as a QRegularExpression pattern, or empty.
    QString regexPattern() const;

    QString name;
    XsRestriction *restriction = nullptr;
    QString pattern;
    QStringList memberTypes;
};

#endif // XSSIMPLE_H
