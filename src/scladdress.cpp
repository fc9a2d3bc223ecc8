#include "scladdress.h"

sclAddress::sclAddress(QWidget *parent)
    : sclAddressTable(true, false, parent)
{
}
