#ifndef QIPADDRESSEDIT_H
#define QIPADDRESSEDIT_H

#include "addressedit.h"

// An IPv4 address as four decimal fields, read and written as "a.b.c.d".
class QIpAddressEdit : public AddressEdit
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)

public:
    explicit QIpAddressEdit(QWidget *parent = nullptr);

public slots:
    // Ignores a text that is not four octets.
    void setText(const QString &text);
    void clear();
    void ipChanged();
    void ipEdited();

signals:
    void textChanged(const QString &text);
    void textEdited(const QString &text);
};

#endif // QIPADDRESSEDIT_H
