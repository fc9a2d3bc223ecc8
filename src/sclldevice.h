#ifndef SCLLDEVICE_H
#define SCLLDEVICE_H

#include "scltableview.h"

// The logical devices of an IED, wherever they sit below it (one table for
// all access points and servers).
class sclLDevice : public sclTableView
{
    Q_OBJECT

public:
    explicit sclLDevice(QWidget *parent = nullptr);

    // The listed devices, in table order.
    QList<XmlObject *> devices() const { return parentObject ? rowElements() : QList<XmlObject *>(); }

protected:
    QList<XmlObject *> rowElements() const override;
};

#endif // SCLLDEVICE_H
