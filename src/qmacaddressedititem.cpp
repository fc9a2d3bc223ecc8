#include "qmacaddressedititem.h"

#include <QRegularExpressionValidator>

QMacAddressEditItem::QMacAddressEditItem(QWidget *parent)
    : AddressEditItem(Qt::Key_Minus, parent)
{
    setFrame(false);
    setMaxLength(2);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{2}")), this));
    connect(this, &QLineEdit::textEdited, this, &QMacAddressEditItem::itemEdited);
}

void QMacAddressEditItem::itemEdited(const QString &text)
{
    // setText moves the cursor to the end; keep it where the user types.
    const int cursor = cursorPosition();
    setText(text.toUpper());
    setCursorPosition(cursor);
    if (text.length() == maxLength())
        moveToNext();
}
