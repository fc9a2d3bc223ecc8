#ifndef MIMEPART_H
#define MIMEPART_H

#include <QByteArray>
#include <QString>

// One part of a mail: its headers and its content, encoded for transport.
class MimePart
{
public:
    enum Encoding { SevenBit, EightBit, Base64, QuotedPrintable };

    MimePart();
    virtual ~MimePart();
    Q_DISABLE_COPY(MimePart)

    QString contentType() const { return m_contentType; }
    void setContentType(const QString &type) { m_contentType = type; }
    QString charset() const { return m_charset; }
    void setCharset(const QString &charset) { m_charset = charset; }
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QString contentId() const { return m_contentId; }
    void setContentId(const QString &id) { m_contentId = id; }
    Encoding encoding() const { return m_encoding; }
    void setEncoding(Encoding encoding) { m_encoding = encoding; }
    QByteArray content() const { return m_content; }
    void setContent(const QByteArray &content) { m_content = content; }

    // The headers, an empty line and the encoded content; every line ends in CRLF.
    // The text travels as a QString, so 8bit content must be UTF-8.
    QString toString() const;

protected:
    // What follows the type on the Content-Type line.
    virtual QString typeParameters() const;
    // The encoded content, ending in CRLF.
    virtual QString body() const;

private:
    QString m_contentType;
    QString m_charset;
    QString m_name;
    QString m_contentId;
    Encoding m_encoding = Base64;
    QByteArray m_content;
};

#endif // MIMEPART_H
