#include "mimepart.h"

namespace {

const int MaxLineLength = 76;

QByteArray base64Lines(const QByteArray &content)
{
    const QByteArray encoded = content.toBase64();
    QByteArray lines;
    for (int i = 0; i < encoded.size(); i += MaxLineLength)
        lines += encoded.mid(i, MaxLineLength) + "\r\n";
    return lines;
}

// The length of the line break starting at i, 0 when there is none: CRLF or a lone LF.
int lineBreakAt(const QByteArray &text, int i)
{
    if (i < text.size() && text.at(i) == '\n')
        return 1;
    return text.mid(i, 2) == "\r\n" ? 2 : 0;
}

// Line breaks of the content stay line breaks; longer lines get soft breaks
// so that no encoded line, "=" included, exceeds 76 characters.
QByteArray quotedPrintable(const QByteArray &content)
{
    QByteArray encoded;
    int lineLength = 0;
    for (int i = 0; i < content.size(); ++i) {
        if (const int lineBreak = lineBreakAt(content, i)) {
            encoded += "\r\n";
            lineLength = 0;
            i += lineBreak - 1;
            continue;
        }
        const auto byte = static_cast<unsigned char>(content.at(i));
        const bool atLineEnd = i + 1 == content.size() || lineBreakAt(content, i + 1) > 0;
        const bool blank = byte == ' ' || byte == '\t';
        const bool literal = (byte >= 33 && byte <= 126 && byte != '=') || (blank && !atLineEnd);
        const QByteArray piece = literal ? QByteArray(1, char(byte))
                                         : '=' + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
        if (lineLength + piece.size() > MaxLineLength - 1) {
            encoded += "=\r\n";
            lineLength = 0;
        }
        encoded += piece;
        lineLength += piece.size();
    }
    return encoded;
}

// 7bit and 8bit content is sent as lines; SMTP accepts no bare LF.
QByteArray crlfLines(const QByteArray &content)
{
    return QByteArray(content).replace("\r\n", "\n").replace('\n', "\r\n");
}

} // namespace

MimePart::MimePart() : m_contentType(QStringLiteral("application/octet-stream")) {}

MimePart::~MimePart() = default;

QString MimePart::toString() const
{
    static const char *const encodingNames[] = {"7bit", "8bit", "base64", "quoted-printable"};
    QString text = "Content-Type: " + m_contentType + typeParameters() + "\r\n";
    if (!m_contentId.isEmpty())
        text += "Content-ID: <" + m_contentId + ">\r\n";
    text += QLatin1String("Content-Transfer-Encoding: ") + QLatin1String(encodingNames[m_encoding]) + "\r\n";
    return text + "\r\n" + body();
}

QString MimePart::typeParameters() const
{
    QString parameters;
    if (!m_name.isEmpty())
        parameters += "; name=\"" + m_name + '"';
    if (!m_charset.isEmpty())
        parameters += "; charset=" + m_charset;
    return parameters;
}

QString MimePart::body() const
{
    QByteArray encoded;
    switch (m_encoding) {
    case Base64:
        encoded = base64Lines(m_content);
        break;
    case QuotedPrintable:
        encoded = quotedPrintable(m_content);
        break;
    case SevenBit:
    case EightBit:
        encoded = crlfLines(m_content);
        break;
    }
    if (!encoded.endsWith("\r\n"))
        encoded += "\r\n";
    return QString::fromUtf8(encoded);
}
