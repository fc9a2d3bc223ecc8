#ifndef XSUNIQUE_H
#define XSUNIQUE_H

#include "xsnode.h"

#include <QString>
#include <QStringList>

// An xs:unique constraint: the selected elements must differ in their fields.
class XsUnique : public XsNode
{
public:
    QString name;
    QString selector;
    QStringList fields;
};

#endif // XSUNIQUE_H
