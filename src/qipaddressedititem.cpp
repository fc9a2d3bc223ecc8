#include "qipaddressedititem.h"

#include <QMessageBox>
#include <QRegularExpressionValidator>

namespace {
const int MaxOctet = 255;
}

QIpAddressEditItem::QIpAddressEditItem(QWidget *parent)
    : AddressEditItem(Qt::Key_Period, parent)
{
    setMaxLength(3);
    // Plain decimal digits: no sign, no space, no digit grouping, and no
    // leading zero, which other tools read as octal. No upper bound here:
    // itemEdited explains an octet above 255 instead of silently refusing the digit.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("0|[1-9][0-9]*")), this));
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
    // Nothing can follow a leading 0.
    if (text.length() == maxLength() || text == QLatin1String("0"))
        moveToNext();
}
