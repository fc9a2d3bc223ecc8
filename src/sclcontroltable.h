#ifndef SCLCONTROLTABLE_H
#define SCLCONTROLTABLE_H

#include "scltableview.h"

// A table of control blocks of a logical node. Some attributes are chosen
// from fixed lists (the datSet from the node's data sets, flags from
// true/false), and the options held by child elements such as TrgOps get a
// column each.
class sclControlTable : public sclTableView
{
    Q_OBJECT

public:
    sclControlTable(const QString &rowName, const char *recordPattern, QWidget *parent);

protected:
    void fillRow(XmlObject *element, int n) override;

    // Attributes offered as true/false.
    QStringList flagAttributes;
    // Attributes with a fixed list of their own.
    QMap<QString, QStringList> choiceAttributes;
    // Child elements whose attributes are options, each offered as true/false.
    QStringList optionElements;
};

#endif // SCLCONTROLTABLE_H
