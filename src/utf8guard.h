#ifndef UTF8GUARD_H
#define UTF8GUARD_H

#include <QByteArray>
#include <QIODevice>

// A read-only device in front of a file that settles its encoding before the
// XML parser sees a byte. The parser replaces bytes that are not valid UTF-8
// with U+FFFD and passes unpaired UTF-16 surrogates through, both without a
// word; the guard stops at the first such byte instead, turning silent
// corruption into a load error. The parser also reads UTF-16 without a byte
// order mark in the machine's byte order; the guard puts the missing mark in
// front. Other encodings (a declared Latin-1, UTF-32) pass through unchecked.
class Utf8Guard : public QIODevice
{
    Q_OBJECT

public:
    // Mislabelled: 8-bit bytes under a declaration of UTF-16, which the parser
    // would read as nonsense; the guard refuses them.
    enum class Encoding { Unknown, Utf8, Utf16LittleEndian, Utf16BigEndian, Mislabelled, Other };

    explicit Utf8Guard(QIODevice *source, QObject *parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    qint64 bytesRead() const { return m_offset; }
    // Known after the first read.
    Encoding encoding() const { return m_encoding; }
    // Byte offset of the first invalid byte, or -1.
    qint64 invalidOffset() const { return m_invalidOffset; }
    // The encoding the XML declaration names, as written; empty without one.
    QString declaredEncoding() const { return m_declared; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void sniffEncoding(const QByteArray &head);
    qint64 validateUtf8(const char *data, qint64 size);
    qint64 validateUtf16(const char *data, qint64 size);
    qint64 validate(const char *data, qint64 size, bool atEnd);

    QIODevice *m_source;
    Encoding m_encoding = Encoding::Unknown;
    QByteArray m_byteOrderMark; // still to be handed out before the file's bytes
    QString m_declared;
    qint64 m_offset = 0;
    qint64 m_invalidOffset = -1;
    // State of a UTF-8 sequence that may span two reads.
    int m_pending = 0;
    uchar m_low = 0x80;
    uchar m_high = 0xBF;
    // State of a UTF-16 code unit or surrogate pair that may span two reads.
    int m_oddByte = -1;
    qint64 m_highSurrogateAt = -1;
};

#endif // UTF8GUARD_H
