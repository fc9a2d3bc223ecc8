#include "sclgse.h"

sclGSE::sclGSE(QWidget *parent)
    : sclAddressTable(false, true, parent)
{
}
