#ifndef SCLADDRESS_H
#define SCLADDRESS_H

#include "scladdresstable.h"

// The address parameters of a connected access point, one column per parameter type.
class sclAddress : public sclAddressTable
{
    Q_OBJECT

public:
    explicit sclAddress(QWidget *parent = nullptr);
};

#endif // SCLADDRESS_H
