#include "qmacaddressedit.h"

#include "qmacaddressedititem.h"

QMacAddressEdit::QMacAddressEdit(QWidget *parent)
    : AddressEdit(QLatin1Char('-'), QSize(22, 15), parent)
{
    for (int i = 0; i < 6; ++i)
        addField(new QMacAddressEditItem(this));
    // Tight and opaque: the editor sits over a table cell.
    rowLayout()->setContentsMargins(2, 1, 2, 2);
    rowLayout()->setSpacing(1);
    setAutoFillBackground(true);
}

void QMacAddressEdit::setText(const QString &text)
{
    if (!assignText(text))
        return;
    emit textChanged(text);
    emit textEdited(text);
}

void QMacAddressEdit::clear()
{
    clearFields();
}

void QMacAddressEdit::ipChanged()
{
    emit textChanged(text());
}

void QMacAddressEdit::ipEdited()
{
    emit textEdited(text());
}
