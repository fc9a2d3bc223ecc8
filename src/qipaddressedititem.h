#ifndef QIPADDRESSEDITITEM_H
#define QIPADDRESSEDITITEM_H

#include "addressedititem.h"

// One octet of an IPv4 address: up to three decimal digits, at most 255.
class QIpAddressEditItem : public AddressEditItem
{
    Q_OBJECT

public:
    explicit QIpAddressEditItem(QWidget *parent = nullptr);

    bool accepts(const QString &text) const override;

public slots:
    void itemEdited(const QString &text);
};

#endif // QIPADDRESSEDITITEM_H
