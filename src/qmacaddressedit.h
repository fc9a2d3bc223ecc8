#ifndef QMACADDRESSEDIT_H
#define QMACADDRESSEDIT_H

#include "addressedit.h"

// A MAC address as six hexadecimal fields, read and written as "01-0C-CD-01-00-01".
class QMacAddressEdit : public AddressEdit
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)

public:
    explicit QMacAddressEdit(QWidget *parent = nullptr);

public slots:
    // Ignores a text that is not six bytes; keeps the case it is given in.
    void setText(const QString &text);
    void clear();
    void ipChanged();
    void ipEdited();

signals:
    void textChanged(const QString &text);
    void textEdited(const QString &text);
};

#endif // QMACADDRESSEDIT_H
