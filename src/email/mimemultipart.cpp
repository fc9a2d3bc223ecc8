#include "mimemultipart.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

MimeMultiPart::MimeMultiPart(MultiPartType type)
{
    static const char *const subtypes[] = {"mixed", "digest", "alternative", "related",
                                           "report", "signed", "encrypted"};
    setContentType(QLatin1String("multipart/") + QLatin1String(subtypes[type]));
    setEncoding(SevenBit);
    // Random, so that no content line can be taken for it.
    const QByteArray seed = QByteArray::number(QRandomGenerator::global()->generate64());
    m_boundary = QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Md5).toHex());
}

MimeMultiPart::~MimeMultiPart() = default;

void MimeMultiPart::addPart(MimePart *part)
{
    m_parts.emplace_back(part);
}

QString MimeMultiPart::typeParameters() const
{
    return MimePart::typeParameters() + "; boundary=" + m_boundary;
}

QString MimeMultiPart::body() const
{
    QString text;
    for (const auto &part : m_parts)
        text += "--" + m_boundary + "\r\n" + part->toString();
    return text + "--" + m_boundary + "--\r\n";
}
