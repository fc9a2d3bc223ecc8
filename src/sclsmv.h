#ifndef SCLSMV_H
#define SCLSMV_H

#include "scladdresstable.h"

// The sampled value addresses of a connected access point.
class sclSMV : public sclAddressTable
{
    Q_OBJECT

public:
    explicit sclSMV(QWidget *parent = nullptr);
};

#endif // SCLSMV_H
