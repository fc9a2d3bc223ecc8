#ifndef MIMEMESSAGE_H
#define MIMEMESSAGE_H

#include "emailaddress.h"
#include "mimemultipart.h"

#include <QDateTime>
#include <QList>

// A whole mail: the envelope's people, the subject and a mixed multipart
// holding the parts. Bcc recipients get the mail but are never written into it.
class MimeMessage
{
public:
    MimeMessage();

    // How the subject and display names are written. Text that is not ASCII
    // is always encoded, Base64 unless QuotedPrintable is chosen.
    enum HeaderEncoding { Plain, Base64, QuotedPrintable };

    EmailAddress sender() const { return m_sender; }
    void setSender(const EmailAddress &sender) { m_sender = sender; }
    QList<EmailAddress> to() const { return m_to; }
    void addTo(const EmailAddress &recipient) { m_to.append(recipient); }
    QList<EmailAddress> cc() const { return m_cc; }
    void addCc(const EmailAddress &recipient) { m_cc.append(recipient); }
    QList<EmailAddress> bcc() const { return m_bcc; }
    void addBcc(const EmailAddress &recipient) { m_bcc.append(recipient); }
    QString subject() const { return m_subject; }
    void setSubject(const QString &subject) { m_subject = subject; }
    // When the message was written; without one the header is left to the server.
    QDateTime date() const { return m_date; }
    void setDate(const QDateTime &date) { m_date = date; }
    // "unique@domain-of-the-sender", the same for every rendering of this message.
    QString messageId() const;
    HeaderEncoding headerEncoding() const { return m_headerEncoding; }
    void setHeaderEncoding(HeaderEncoding encoding) { m_headerEncoding = encoding; }

    // Takes ownership of part.
    void addPart(MimePart *part) { m_content.addPart(part); }
    const MimeMultiPart &content() const { return m_content; }

    // The headers and the content, lines ending in CRLF.
    QString toString() const;

private:
    bool needsEncoding(const QString &text) const;
    QString encoded(const QString &text) const;
    QString displayName(const QString &name) const;
    QString mailbox(const EmailAddress &address) const;
    QString mailboxList(const QList<EmailAddress> &addresses) const;

    EmailAddress m_sender;
    QList<EmailAddress> m_to;
    QList<EmailAddress> m_cc;
    QList<EmailAddress> m_bcc;
    QString m_subject;
    QDateTime m_date;
    QString m_uniqueId;
    HeaderEncoding m_headerEncoding = Plain;
    MimeMultiPart m_content;
};

#endif // MIMEMESSAGE_H
