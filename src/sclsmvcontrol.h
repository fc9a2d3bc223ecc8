#ifndef SCLSMVCONTROL_H
#define SCLSMVCONTROL_H

#include "sclcontroltable.h"

// The sampled value control blocks of a logical node.
class sclSMVControl : public sclControlTable
{
    Q_OBJECT

public:
    explicit sclSMVControl(QWidget *parent = nullptr);
};

#endif // SCLSMVCONTROL_H
