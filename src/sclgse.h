#ifndef SCLGSE_H
#define SCLGSE_H

#include "scladdresstable.h"

// The GOOSE addresses of a connected access point, with their retransmission times.
class sclGSE : public sclAddressTable
{
    Q_OBJECT

public:
    explicit sclGSE(QWidget *parent = nullptr);
};

#endif // SCLGSE_H
