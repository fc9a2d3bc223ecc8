#ifndef SCLLOGCONTROL_H
#define SCLLOGCONTROL_H

#include "sclcontroltable.h"

// The log control blocks of a logical node.
class sclLogControl : public sclControlTable
{
    Q_OBJECT

public:
    explicit sclLogControl(QWidget *parent = nullptr);
};

#endif // SCLLOGCONTROL_H
