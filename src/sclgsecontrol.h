#ifndef SCLGSECONTROL_H
#define SCLGSECONTROL_H

#include "sclcontroltable.h"

// The GOOSE control blocks of a logical node.
class sclGSEControl : public sclControlTable
{
    Q_OBJECT

public:
    explicit sclGSEControl(QWidget *parent = nullptr);
};

#endif // SCLGSECONTROL_H
