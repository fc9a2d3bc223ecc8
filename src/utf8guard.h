#ifndef UTF8GUARD_H
#define UTF8GUARD_H

#include <QIODevice>

// A read-only device in front of a file that stops at the first byte that is
// not valid UTF-8, when the file's encoding is UTF-8. The XML parser replaces
// such bytes with U+FFFD without a word; stopping at them turns silent
// corruption into a load error. Files in other encodings (a byte order mark
// or an encoding declaration says so) pass through unchecked.
class Utf8Guard : public QIODevice
{
    Q_OBJECT

public:
    explicit Utf8Guard(QIODevice *source, QObject *parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    qint64 bytesRead() const { return m_offset; }
    // Byte offset of the first invalid byte, or -1.
    qint64 invalidOffset() const { return m_invalidOffset; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void sniffEncoding(const char *data, qint64 size);
    qint64 validate(const char *data, qint64 size);

    QIODevice *m_source;
    bool m_sniffed = false;
    bool m_check = false;
    qint64 m_offset = 0;
    qint64 m_invalidOffset = -1;
    // State of a multi-byte sequence that may span two reads.
    int m_pending = 0;
    uchar m_low = 0x80;
    uchar m_high = 0xBF;
};

#endif // UTF8GUARD_H
