#include "sclgsecontrol.h"

sclGSEControl::sclGSEControl(QWidget *parent)
    : sclControlTable(QStringLiteral("GSEControl"),
                      QT_TRANSLATE_NOOP("sclTableView", "Modify record: GSEControl name = %1 datSet = %2 type = %3 appID = %4 confRev = %5"),
                      parent)
{
    choiceAttributes.insert(QStringLiteral("type"), {QStringLiteral("GOOSE"), QStringLiteral("GSSE")});
}
