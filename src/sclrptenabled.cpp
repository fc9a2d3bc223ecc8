#include "sclrptenabled.h"

sclRptEnabled::sclRptEnabled(QWidget *parent)
    : sclTableView(QStringLiteral("ClientLN"), QT_TRANSLATE_NOOP("sclTableView", "Modify record: ClientLN iedName = %1 ldInst = %2 lnClass = %3 lnInst = %4"), parent)
{
}
