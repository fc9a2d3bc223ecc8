#ifndef MIMETEXT_H
#define MIMETEXT_H

#include "mimepart.h"

// Plain text in UTF-8. ASCII text in short lines goes as it is, anything else
// Base64-encoded, so that it passes every server unchanged.
class MimeText : public MimePart
{
public:
    explicit MimeText(const QString &text = {});
};

#endif // MIMETEXT_H
