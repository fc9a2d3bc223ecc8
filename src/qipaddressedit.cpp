#include "qipaddressedit.h"

#include "qipaddressedititem.h"

QIpAddressEdit::QIpAddressEdit(QWidget *parent)
    : AddressEdit(QLatin1Char('.'), QSize(30, 18), parent)
{
    for (int i = 0; i < 4; ++i)
        addField(new QIpAddressEditItem(this));
}

void QIpAddressEdit::setText(const QString &text)
{
    if (!assignText(text))
        return;
    emit textChanged(text);
    emit textEdited(text);
}

void QIpAddressEdit::clear()
{
    clearFields();
}

void QIpAddressEdit::ipChanged()
{
    emit textChanged(text());
}

void QIpAddressEdit::ipEdited()
{
    emit textEdited(text());
}
