#ifndef XSKEYREF_H
#define XSKEYREF_H

#include "xsnode.h"

#include <QString>
#include <QStringList>

class XsKeyRef : public XsNode
{
public:
    QString name;
    QString refer;
    QString selector;
    QStringList fields;
};

#endif // XSKEYREF_H
