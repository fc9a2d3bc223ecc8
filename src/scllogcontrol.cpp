#include "scllogcontrol.h"

sclLogControl::sclLogControl(QWidget *parent)
    : sclControlTable(QStringLiteral("LogControl"),
                      QT_TRANSLATE_NOOP("sclTableView", "Modify record: LogControl name = %1 datSet = %2 logName = %3 desc = %4"),
                      parent)
{
    flagAttributes = QStringList{QStringLiteral("logEna")};
    optionElements = QStringList{QStringLiteral("TrgOps"), QStringLiteral("OptFields")};
}
