#include "utf8guard.h"

#include <QRegularExpression>

#include <cstring>

Utf8Guard::Utf8Guard(QIODevice *source, QObject *parent)
    : QIODevice(parent),
      m_source(source)
{
}

qint64 Utf8Guard::bytesAvailable() const
{
    return QIODevice::bytesAvailable() + m_source->bytesAvailable();
}

void Utf8Guard::sniffEncoding(const QByteArray &head)
{
    m_encoding = Encoding::Other;
    if (head.startsWith("\xEF\xBB\xBF")) {
        m_encoding = Encoding::Utf8;
    } else if (head.startsWith(QByteArray("\xFF\xFE\0\0", 4)) || head.startsWith(QByteArray("\0\0\xFE\xFF", 4))
               || head.startsWith(QByteArray("<\0\0\0", 4)) || head.startsWith(QByteArray("\0\0\0<", 4))) {
        return; // UTF-32
    } else if (head.startsWith("\xFF\xFE")) {
        m_encoding = Encoding::Utf16LittleEndian;
    } else if (head.startsWith("\xFE\xFF")) {
        m_encoding = Encoding::Utf16BigEndian;
    } else if (head.size() >= 2 && (head.at(0) == 0) != (head.at(1) == 0)) {
        // "<" as UTF-16 without a byte order mark: say which byte order it is.
        const bool bigEndian = head.at(0) == 0;
        m_encoding = bigEndian ? Encoding::Utf16BigEndian : Encoding::Utf16LittleEndian;
        m_byteOrderMark = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    } else {
        static const QRegularExpression declaration(
                QStringLiteral("^<\\?xml[^>]*?\\sencoding\\s*=\\s*[\"']([A-Za-z0-9._-]+)[\"']"));
        const int end = head.indexOf("?>");
        const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(end >= 0 ? head.left(end) : head));
        m_declared = match.captured(1);
        const QString declared = m_declared.toLower();
        // No declared encoding: XML says UTF-8.
        if (!match.hasMatch() || declared == QLatin1String("utf-8") || declared == QLatin1String("utf8"))
            m_encoding = Encoding::Utf8;
        else if (declared.startsWith(QLatin1String("utf-16")) || declared.startsWith(QLatin1String("ucs-2")))
            m_encoding = Encoding::Mislabelled; // the declaration itself was read as 8-bit text
    }
}

qint64 Utf8Guard::validateUtf8(const char *data, qint64 size)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data);
    for (qint64 i = 0; i < size; ++i) {
        // Most of an SCL file is ASCII: skip it eight bytes at a time.
        while (m_pending == 0 && i + 8 <= size) {
            quint64 word;
            memcpy(&word, bytes + i, sizeof word);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i >= size)
            break;
        const uchar b = bytes[i];
        if (m_pending > 0) {
            if (b < m_low || b > m_high)
                return m_offset + i;
            --m_pending;
            m_low = 0x80;
            m_high = 0xBF;
            continue;
        }
        if (b < 0x80)
            continue;
        if (b >= 0xC2 && b <= 0xDF) {
            m_pending = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_pending = 2;
            if (b == 0xE0)
                m_low = 0xA0; // overlong
            else if (b == 0xED)
                m_high = 0x9F; // surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_pending = 3;
            if (b == 0xF0)
                m_low = 0x90; // overlong
            else if (b == 0xF4)
                m_high = 0x8F; // above U+10FFFF
        } else {
            return m_offset + i;
        }
    }
    return -1;
}

qint64 Utf8Guard::validateUtf16(const char *data, qint64 size)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data);
    const bool bigEndian = m_encoding == Encoding::Utf16BigEndian;
    for (qint64 i = 0; i < size; ++i) {
        if (m_oddByte < 0) {
            m_oddByte = bytes[i];
            continue;
        }
        const auto unit = ushort(bigEndian ? m_oddByte << 8 | bytes[i] : bytes[i] << 8 | m_oddByte);
        m_oddByte = -1;
        if (m_highSurrogateAt >= 0) {
            if (!QChar::isLowSurrogate(unit))
                return m_highSurrogateAt;
            m_highSurrogateAt = -1;
        } else if (QChar::isLowSurrogate(unit)) {
            return m_offset + i - 1;
        } else if (QChar::isHighSurrogate(unit)) {
            m_highSurrogateAt = m_offset + i - 1;
        }
    }
    return -1;
}

// The offset of the first invalid byte, or -1.
qint64 Utf8Guard::validate(const char *data, qint64 size, bool atEnd)
{
    switch (m_encoding) {
    case Encoding::Utf8:
        if (atEnd && m_pending > 0)
            return m_offset; // the file ends inside a multi-byte sequence
        return validateUtf8(data, size);
    case Encoding::Utf16LittleEndian:
    case Encoding::Utf16BigEndian:
        if (atEnd && m_highSurrogateAt >= 0)
            return m_highSurrogateAt;
        if (atEnd && m_oddByte >= 0)
            return m_offset - 1;
        return validateUtf16(data, size);
    default:
        return -1;
    }
}

qint64 Utf8Guard::readData(char *data, qint64 maxSize)
{
    if (m_invalidOffset >= 0)
        return -1;
    if (m_encoding == Encoding::Unknown)
        sniffEncoding(m_source->peek(1024));
    if (m_encoding == Encoding::Mislabelled) {
        m_invalidOffset = 0;
        return -1;
    }
    // The parser settles the encoding on its first read: the mark comes with the first bytes.
    qint64 prefix = 0;
    if (!m_byteOrderMark.isEmpty() && maxSize > m_byteOrderMark.size()) {
        prefix = m_byteOrderMark.size();
        memcpy(data, m_byteOrderMark.constData(), size_t(prefix));
        m_byteOrderMark.clear();
    }
    const qint64 count = m_source->read(data + prefix, maxSize - prefix);
    if (count < 0)
        return count;
    const bool atEnd = count == 0 && maxSize > 0 && m_source->atEnd();
    const qint64 invalid = validate(data + prefix, count, atEnd);
    if (invalid >= 0) {
        // Hand out what comes before it, so that the parser stops near it.
        m_invalidOffset = invalid;
        const qint64 valid = qBound<qint64>(0, invalid - m_offset, count);
        m_offset += valid;
        return prefix + valid > 0 ? prefix + valid : -1;
    }
    m_offset += count;
    return prefix + count;
}
