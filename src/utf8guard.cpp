#include "utf8guard.h"

#include <QByteArray>
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

void Utf8Guard::sniffEncoding(const char *data, qint64 size)
{
    m_sniffed = true;
    const QByteArray head = QByteArray::fromRawData(data, int(qMin<qint64>(size, 1024)));
    if (head.startsWith("\xEF\xBB\xBF")) {
        m_check = true;
        return;
    }
    // A byte order mark or a zero byte among the first two means UTF-16 or UTF-32.
    if (head.startsWith("\xFE\xFF") || head.startsWith("\xFF\xFE")
            || (head.size() >= 2 && (head.at(0) == 0 || head.at(1) == 0))) {
        return;
    }
    static const QRegularExpression declaration(
            QStringLiteral("^<\\?xml[^>]*?\\sencoding\\s*=\\s*[\"']([A-Za-z0-9._-]+)[\"']"));
    const int end = head.indexOf("?>");
    const QString text = QString::fromLatin1(end >= 0 ? head.left(end) : head);
    const QRegularExpressionMatch match = declaration.match(text);
    if (!match.hasMatch()) {
        m_check = true; // no declared encoding: XML says UTF-8
        return;
    }
    const QString encoding = match.captured(1).toLower();
    m_check = encoding == QLatin1String("utf-8") || encoding == QLatin1String("utf8");
}

qint64 Utf8Guard::validate(const char *data, qint64 size)
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
                return i;
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
            return i;
        }
    }
    return -1;
}

qint64 Utf8Guard::readData(char *data, qint64 maxSize)
{
    if (m_invalidOffset >= 0)
        return -1;
    const qint64 count = m_source->read(data, maxSize);
    if (count < 0)
        return count;
    if (!m_sniffed && count > 0)
        sniffEncoding(data, count);
    if (m_check) {
        qint64 bad = validate(data, count);
        if (bad < 0 && count == 0 && maxSize > 0 && m_pending > 0 && m_source->atEnd())
            bad = 0; // the file ends inside a multi-byte sequence
        if (bad >= 0) {
            m_invalidOffset = m_offset + bad;
            m_offset += bad;
            return bad > 0 ? bad : -1;
        }
    }
    m_offset += count;
    return count;
}
