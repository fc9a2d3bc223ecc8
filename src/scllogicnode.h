#ifndef SCLLOGICNODE_H
#define SCLLOGICNODE_H

#include "scltableview.h"

// The logical nodes (LN0 and LN) of a logical device. LN0 rows share the
// prefix column of LN rows; an LN0's class, instance and prefix are fixed
// ("LLN0", empty, none) and shown read-only.
class sclLogicNode : public sclTableView
{
    Q_OBJECT

public:
    explicit sclLogicNode(QWidget *parent = nullptr);

protected:
    bool lists(const XmlObject *element) const override;
    void fillRow(XmlObject *element, int n) override;
    bool isFixed(const XmlObject *element, const QString &attribute) const override;
};

#endif // SCLLOGICNODE_H
