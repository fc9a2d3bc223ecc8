#ifndef EMAILADDRESS_H
#define EMAILADDRESS_H

#include <QString>

// A mailbox: the address and, optionally, the name shown for it.
class EmailAddress
{
public:
    EmailAddress(const QString &address = {}, const QString &name = {});

    QString address() const { return m_address; }
    QString name() const { return m_name; }

    // "Name <a@b>" or a bare "a@b", as a user types it.
    static EmailAddress fromText(const QString &text);

private:
    QString m_address;
    QString m_name;
};

#endif // EMAILADDRESS_H
