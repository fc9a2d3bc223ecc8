#ifndef MIMEMULTIPART_H
#define MIMEMULTIPART_H

#include "mimepart.h"

#include <memory>
#include <vector>

// A part made of parts, each introduced by the boundary line.
class MimeMultiPart : public MimePart
{
public:
    enum MultiPartType { Mixed, Digest, Alternative, Related, Report, Signed, Encrypted };

    explicit MimeMultiPart(MultiPartType type = Mixed);
    ~MimeMultiPart() override;

    // Takes ownership of part.
    void addPart(MimePart *part);
    QString boundary() const { return m_boundary; }

protected:
    QString typeParameters() const override;
    QString body() const override;

private:
    QString m_boundary;
    std::vector<std::unique_ptr<MimePart>> m_parts;
};

#endif // MIMEMULTIPART_H
