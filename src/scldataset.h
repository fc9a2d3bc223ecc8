#ifndef SCLDATASET_H
#define SCLDATASET_H

#include "scltableview.h"

// The data sets of a logical node.
class sclDataSet : public sclTableView
{
    Q_OBJECT

public:
    explicit sclDataSet(QWidget *parent = nullptr);
};

#endif // SCLDATASET_H
