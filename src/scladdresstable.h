#ifndef SCLADDRESSTABLE_H
#define SCLADDRESSTABLE_H

#include "scltableview.h"

// A detail table of a connected access point: one row per Address, GSE or
// SMV element, filled one row per call. Address parameters (P) get a column
// per parameter type; every parameter is required.
class sclAddressTable : public sclTableView
{
    Q_OBJECT

public:
    // Fills table row `row` (1-based) from parentObject.
    void fill(int row);

protected:
    // resetColumns: the columns start afresh with every fill (one address at a time).
    // timing: the GOOSE retransmission times get a column each.
    sclAddressTable(bool resetColumns, bool timing, QWidget *parent);

    bool isRequired(const XmlObject *element, const QString &attribute) const override;
    QString editedAttribute(const objectTableWidgetItem *item) const override;
    bool refusesEmpty(const objectTableWidgetItem *item, const QString &attribute) const override;

private:
    void addParameters(int row, XmlObject *address);

    bool m_resetColumns;
    bool m_timing;
};

#endif // SCLADDRESSTABLE_H
