#ifndef MIMEHTML_H
#define MIMEHTML_H

#include "mimetext.h"

// An HTML text, encoded as plain text is.
class MimeHtml : public MimeText
{
public:
    explicit MimeHtml(const QString &html = {});
};

#endif // MIMEHTML_H
