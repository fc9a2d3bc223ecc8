#include "sclsmvcontrol.h"

sclSMVControl::sclSMVControl(QWidget *parent)
    : sclControlTable(QStringLiteral("SampledValueControl"),
                      QT_TRANSLATE_NOOP("sclTableView", "Modify record: SampledValueControl name = %1 datSet = %2 smvID = %3 confRev = %4"),
                      parent)
{
    flagAttributes = QStringList{QStringLiteral("multicast")};
    optionElements = QStringList{QStringLiteral("SmvOpts")};
}
