#include "emailaddress.h"

EmailAddress::EmailAddress(const QString &address, const QString &name)
    : m_address(address), m_name(name)
{
}

EmailAddress EmailAddress::fromText(const QString &text)
{
    const int open = text.indexOf('<');
    const int close = text.indexOf('>', open + 1);
    if (open < 0 || close < 0)
        return EmailAddress(text.trimmed());
    return EmailAddress(text.mid(open + 1, close - open - 1).trimmed(), text.left(open).trimmed());
}
