#ifndef QMACADDRESSEDITITEM_H
#define QMACADDRESSEDITITEM_H

#include "addressedititem.h"

// One byte of a MAC address: two hexadecimal digits, shown in upper case.
class QMacAddressEditItem : public AddressEditItem
{
    Q_OBJECT

public:
    explicit QMacAddressEditItem(QWidget *parent = nullptr);

public slots:
    void itemEdited(const QString &text);
};

#endif // QMACADDRESSEDITITEM_H
