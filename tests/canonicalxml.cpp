#include "canonicalxml.h"

#include "xmlreader.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

QString expanded(const QStringRef &namespaceUri, const QStringRef &name, bool isElement)
{
    const QString ns = namespaceUri.isEmpty() && isElement ? XmlReader::SclNamespace : namespaceUri.toString();
    return ns.isEmpty() ? name.toString() : QLatin1Char('{') + ns + QLatin1Char('}') + name;
}

} // namespace

QStringList canonicalXml(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    // XML tells UTF-16 without a byte order mark by its "<"; the parser would take the machine's byte order.
    if (bytes.size() >= 2 && (bytes.at(0) == 0) != (bytes.at(1) == 0))
        bytes.prepend(bytes.at(0) == 0 ? "\xFE\xFF" : "\xFF\xFE");
    QXmlStreamReader xml(bytes);
    QStringList lines, path, texts;
    QList<int> lineOfElement;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            path.append(expanded(xml.namespaceUri(), xml.name(), true));
            QStringList attributes;
            for (const QXmlStreamAttribute &a : xml.attributes()) {
                const QString name = expanded(a.namespaceUri(), a.name(), false);
                if (a.value().isEmpty() || (path.size() == 1 && name.endsWith(QLatin1String("}schemaLocation"))))
                    continue;
                attributes.append(name + QLatin1Char('=') + a.value());
            }
            attributes.sort();
            lines.append(path.join(QLatin1Char('/')) + QLatin1Char(' ') + attributes.join(QLatin1Char(' ')));
            lineOfElement.append(lines.size() - 1);
            texts.append(QString());
        } else if (xml.isComment() || xml.isProcessingInstruction()) {
            lines.append(path.join(QLatin1Char('/')) + QLatin1Char(' ') + xml.tokenString() + QLatin1Char(' ') + xml.text()
                         + xml.processingInstructionTarget() + QLatin1Char(' ') + xml.processingInstructionData());
        } else if (xml.isCharacters()) {
            if (!texts.isEmpty())
                texts.last() += xml.text();
        } else if (xml.isEndElement()) {
            const QString text = texts.takeLast().trimmed();
            const int line = lineOfElement.takeLast();
            if (!text.isEmpty())
                lines[line] += QLatin1String(" #text=") + text;
            path.removeLast();
        }
    }
    if (xml.hasError() && error)
        *error = xml.errorString();
    return xml.hasError() ? QStringList() : lines;
}
