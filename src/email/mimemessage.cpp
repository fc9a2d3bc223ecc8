#include "mimemessage.h"

#include <QRegularExpression>
#include <QUuid>
#include <QVector>

namespace {

// A line break in a header value would end the header and let the rest pass
// for headers of its own.
QString oneLine(const QString &text)
{
    return QString(text).replace('\r', ' ').replace('\n', ' ');
}

bool isAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 127)
            return false;
    }
    return true;
}

// Only letters, digits and "!*+-/" may stand as they are in a Q-encoded word.
QByteArray qEncoded(const QByteArray &bytes)
{
    QByteArray encoded;
    for (const char c : bytes) {
        const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (c == ' ')
            encoded += '_';
        else if (letterOrDigit || QByteArray("!*+-/").contains(c))
            encoded += c;
        else
            encoded += '=' + QByteArray(1, c).toHex().toUpper();
    }
    return encoded;
}

// Encoded words are at most 75 characters long; longer text becomes several,
// the following ones on continuation lines. Words end between characters.
QString encodedWords(const QString &text, char method)
{
    const int room = 75 - 12; // "=?utf-8?B?" and "?=" take 12
    const auto encode = [method](const QByteArray &bytes) {
        return method == 'B' ? bytes.toBase64() : qEncoded(bytes);
    };
    QStringList words;
    QByteArray chunk;
    const auto flush = [&]() {
        if (!chunk.isEmpty())
            words << QString::fromLatin1("=?utf-8?" + QByteArray(1, method) + '?' + encode(chunk) + "?=");
        chunk.clear();
    };
    for (const uint codePoint : text.toUcs4()) {
        const QByteArray bytes = QString::fromUcs4(&codePoint, 1).toUtf8();
        if (encode(chunk + bytes).size() > room)
            flush();
        chunk += bytes;
    }
    flush();
    return words.join(QLatin1String("\r\n "));
}

} // namespace

MimeMessage::MimeMessage() : m_uniqueId(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

// An address without a usable domain gets the one every machine has.
QString MimeMessage::messageId() const
{
    static const QRegularExpression domainName(QStringLiteral("^[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)*$"));
    const QString domain = m_sender.address().section('@', -1).trimmed();
    const bool usable = m_sender.address().contains('@') && domainName.match(domain).hasMatch();
    return m_uniqueId + '@' + (usable ? domain : QStringLiteral("localhost"));
}

QString MimeMessage::toString() const
{
    QString text;
    if (m_date.isValid())
        text += "Date: " + m_date.toString(Qt::RFC2822Date) + "\r\n";
    text += "Message-ID: <" + messageId() + ">\r\n";
    text += "From:" + mailbox(m_sender) + "\r\n";
    if (!m_to.isEmpty())
        text += "To:" + mailboxList(m_to) + "\r\n";
    if (!m_cc.isEmpty())
        text += "Cc:" + mailboxList(m_cc) + "\r\n";
    text += "Subject: " + encoded(m_subject) + "\r\n";
    text += QLatin1String("MIME-Version: 1.0\r\n");
    return text + m_content.toString();
}

bool MimeMessage::needsEncoding(const QString &text) const
{
    return m_headerEncoding != Plain || !isAscii(text);
}

QString MimeMessage::encoded(const QString &text) const
{
    const QString line = oneLine(text);
    if (!needsEncoding(line))
        return line;
    return encodedWords(line, m_headerEncoding == QuotedPrintable ? 'Q' : 'B');
}

// A plain name with a comma, an "@" or the like would be read as addresses: it goes quoted.
QString MimeMessage::displayName(const QString &name) const
{
    static const QRegularExpression specials(QStringLiteral("[()<>\\[\\]:;@\\\\,.\"]"));
    const QString line = oneLine(name);
    if (needsEncoding(line) || !line.contains(specials))
        return encoded(line);
    return '"' + QString(line).replace('\\', QLatin1String("\\\\")).replace('"', QLatin1String("\\\"")) + '"';
}

QString MimeMessage::mailbox(const EmailAddress &address) const
{
    const QString name = address.name().isEmpty() ? QString() : ' ' + displayName(address.name());
    return name + " <" + oneLine(address.address()) + '>';
}

QString MimeMessage::mailboxList(const QList<EmailAddress> &addresses) const
{
    QStringList mailboxes;
    for (const EmailAddress &address : addresses)
        mailboxes << mailbox(address);
    return mailboxes.join(',');
}
