#ifndef SCLRPTENABLED_H
#define SCLRPTENABLED_H

#include "scltableview.h"

// The report clients of a report control block's RptEnabled.
class sclRptEnabled : public sclTableView
{
    Q_OBJECT

public:
    explicit sclRptEnabled(QWidget *parent = nullptr);
};

#endif // SCLRPTENABLED_H
