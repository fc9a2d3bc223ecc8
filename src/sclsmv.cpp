#include "sclsmv.h"

sclSMV::sclSMV(QWidget *parent)
    : sclAddressTable(false, false, parent)
{
}
