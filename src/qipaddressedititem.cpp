#include "qipaddressedititem.h"

#include <QIntValidator>
#include <QMessageBox>

namespace {
const int MaxOctet = 255;
}

QIpAddressEditItem::QIpAddressEditItem(QWidget *parent)
    : AddressEditItem(Qt::Key_Period, parent)
{
    setMaxLength(3);
    // No upper bound: itemEdited explains an octet above 255 instead of
    // silently refusing the digit. The C locale without group separators
    // keeps "." and "," out of the field whatever the user's locale.
    auto *validator = new QIntValidator(this);
    validator->setBottom(0);
    QLocale digitsOnly = QLocale::c();
    digitsOnly.setNumberOptions(QLocale::RejectGroupSeparator);
    validator->setLocale(digitsOnly);
    setValidator(validator);
    connect(this, &QLineEdit::textEdited, this, &QIpAddressEditItem::itemEdited);
}

bool QIpAddressEditItem::accepts(const QString &text) const
{
    return AddressEditItem::accepts(text) && text.toInt() <= MaxOctet;
}

void QIpAddressEditItem::itemEdited(const QString &text)
{
    if (text.toInt() > MaxOctet) {
        QMessageBox::warning(this, tr("Message"),
                             tr("%1 is not acceptable value.\nPlease input the value bewteen 0 with 255.")
                                 .arg(text));
        setText(QString::number(MaxOctet));
        return;
    }
    if (text.length() == maxLength())
        moveToNext();
}
