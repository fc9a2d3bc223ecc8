#include "mimetext.h"

namespace {

// 7bit content must be ASCII in lines of at most 998 octets.
bool fitsSevenBit(const QByteArray &text)
{
    int lineLength = 0;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > 127)
            return false;
        lineLength = c == '\r' || c == '\n' ? 0 : lineLength + 1;
        if (lineLength > 998)
            return false;
    }
    return true;
}

} // namespace

MimeText::MimeText(const QString &text)
{
    setContentType(QStringLiteral("text/plain"));
    setCharset(QStringLiteral("utf-8"));
    setContent(text.toUtf8());
    setEncoding(fitsSevenBit(content()) ? SevenBit : Base64);
}
