#ifndef XSKEY_H
#define XSKEY_H

#include "xsnode.h"

#include <QString>
#include <QStringList>

class XsKey : public XsNode
{
public:
    QString name;
    QString selector;
    QStringList fields;
};

#endif // XSKEY_H
