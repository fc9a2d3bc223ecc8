#include "scldataset.h"

sclDataSet::sclDataSet(QWidget *parent)
    : sclTableView(QStringLiteral("DataSet"), QT_TRANSLATE_NOOP("sclTableView", "Modify record: DataSet name = %1 desc = %2"), parent)
{
}
