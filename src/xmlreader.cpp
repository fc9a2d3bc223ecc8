#include "xmlreader.h"

#include "entitybudget.h"
#include "progressmeter.h"
#include "stringpool.h"
#include "utf8guard.h"
#include "xmlobject.h"
#include "xmlschema.h"
#include "xsattrib.h"
#include "xscomplex.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>

const QString XmlReader::SclNamespace = QStringLiteral("http://www.iec.ch/61850/2003/SCL");
const QString XmlReader::VendorNamespace = QStringLiteral("http://www.norvane.com/2026/velm");
const QString XmlReader::SchemaInstanceNamespace = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

namespace {

const QString ValueKey = QStringLiteral("value");

// Builds the element tree from the parser's tokens.
class TreeBuilder
{
public:
    TreeBuilder(QXmlStreamReader &xml, EntityBudget &budget) : m_xml(xml), m_budget(budget) {}

    void startElement();
    void endElement();
    void characters();
    void comment(const QString &target, const QString &text);
    void documentType();
    void entityReference();
    void endDocument();

    QList<XmlObject *> roots;

private:
    QString attributeName(QStringView name);
    QString valueOf(const QStringRef &value);
    QString leadingSpace(const XmlObject *element);
    void keepPendingComments(XmlObject *element, XmlComment::Place place);

    static constexpr int MaxPooledValue = 64;

    QXmlStreamReader &m_xml;
    EntityBudget &m_budget;
    StringPool m_names; // element and attribute names: a few hundred, always in cache
    StringPool m_values;
    XmlObject *m_current = nullptr;
    int m_depth = 0;
    QVector<AttributeMap::Entry> m_entries;
    // Comments and instructions wait for the element they precede, or for the end tag.
    QVector<XmlComment> m_pendingComments;
    // Blanks that may turn out to open a text split by a comment or CDATA section.
    QString m_space;
    const XmlObject *m_spaceOwner = nullptr;
};

QStringView view(const QStringRef &ref)
{
    return QStringView(ref.unicode(), ref.size());
}

// A copy of exactly the referenced characters. QStringRef::toString() may
// share the parser's whole buffer instead, which the parser then detaches
// from, leaving hundreds of spare bytes with every value kept.
QString copyOf(const QStringRef &ref)
{
    return QString(ref.unicode(), ref.size());
}

// Whether the parser takes each part of a qualified name as an element name.
// The parser checks element names, but lets any characters through in
// attribute names; holding both to one rule keeps the saved file readable.
bool isXmlName(QStringView qualified)
{
    const QList<QStringView> parts = qualified.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return false;
    for (const QStringView part : parts) {
        QXmlStreamReader probe(QLatin1Char('<') + part.toString() + QLatin1String("/>"));
        probe.readNext();
        if (part.isEmpty() || probe.readNext() != QXmlStreamReader::StartElement)
            return false;
    }
    return true;
}

// The name a node or attribute is kept under: the local name in the SCL
// namespace (or in none), the qualified name in any other.
QStringView nameOf(const QStringRef &namespaceUri, const QStringRef &local, const QStringRef &qualified)
{
    const bool ours = namespaceUri.isEmpty() || namespaceUri == XmlReader::SclNamespace;
    return view(ours ? local : qualified);
}

// A name is checked the first time it is met: a file repeats a few hundred names.
QString TreeBuilder::attributeName(QStringView name)
{
    bool added = false;
    QString interned = m_names.intern(name, &added);
    if (added && !isXmlName(name))
        m_xml.raiseError(XmlReader::tr("Attribute name '%1' is not a valid XML name").arg(name));
    return interned;
}

QString TreeBuilder::valueOf(const QStringRef &value)
{
    // Short values repeat (fc, bType, type ids, "true"); long ones rarely do,
    // and a large table of them would cost a cache miss per lookup.
    return value.size() <= MaxPooledValue ? m_values.intern(view(value)) : copyOf(value);
}

void TreeBuilder::startElement()
{
    if (++m_depth > XmlReader::MaxDepth) {
        m_xml.raiseError(XmlReader::tr("Elements are nested deeper than %1 levels").arg(XmlReader::MaxDepth));
        return;
    }
    auto *element = new XmlObject;
    element->parent = m_current;
    element->name = m_names.intern(nameOf(m_xml.namespaceUri(), m_xml.name(), m_xml.qualifiedName()));
    element->lineNumber = int(m_xml.lineNumber());
    (m_current ? m_current->children : roots).append(element);
    m_current = element;
    keepPendingComments(element, XmlComment::Before);

    const QXmlStreamNamespaceDeclarations declarations = m_xml.namespaceDeclarations();
    const QXmlStreamAttributes attributes = m_xml.attributes();
    if (!declarations.isEmpty() || !attributes.isEmpty()) {
        m_entries.clear(); // keeps its room: one allocation per element, the map's own
        for (const QXmlStreamNamespaceDeclaration &declaration : declarations) {
            const QString key = declaration.prefix().isEmpty()
                    ? QStringLiteral("xmlns")
                    : QLatin1String("xmlns:") + declaration.prefix();
            m_entries.append({attributeName(key), valueOf(declaration.namespaceUri())});
        }
        for (const QXmlStreamAttribute &attribute : attributes) {
            m_entries.append({attributeName(nameOf(attribute.namespaceUri(), attribute.name(), attribute.qualifiedName())),
                              valueOf(attribute.value())});
        }
        element->attributes = AttributeMap(m_entries);
    }
    if (element->name == QLatin1String("SCL"))
        XmlReader::setRootNamespaces(element);
}

// The blanks kept for this element, once.
QString TreeBuilder::leadingSpace(const XmlObject *element)
{
    if (m_spaceOwner != element || !element->children.isEmpty())
        return QString();
    m_spaceOwner = nullptr;
    return m_space;
}

void TreeBuilder::characters()
{
    XmlObject *element = m_current;
    if (!element)
        return;
    if (!element->value.isEmpty()) {
        // Text split by comments or CDATA sections arrives in chunks: keep them all.
        element->value += m_xml.text();
    } else if (m_xml.isWhitespace()) {
        // Blanks between elements are dropped, but those that open a text
        // split by a comment or CDATA section belong to it.
        if (element->children.isEmpty()) {
            m_space.truncate(0);
            m_space += m_xml.text();
            m_spaceOwner = element;
        }
    } else {
        const QString space = leadingSpace(element);
        element->value = space.isEmpty() ? copyOf(m_xml.text()) : space + m_xml.text();
    }
}

void TreeBuilder::comment(const QString &target, const QString &text)
{
    XmlComment comment;
    comment.target = target;
    comment.text = text;
    if (m_current) {
        if (m_current->value.isEmpty())
            m_current->value = leadingSpace(m_current);
        comment.textOffset = m_current->value.size();
    }
    m_pendingComments.append(comment);
}

void TreeBuilder::keepPendingComments(XmlObject *element, XmlComment::Place place)
{
    if (m_pendingComments.isEmpty())
        return;
    for (XmlComment &comment : m_pendingComments) {
        comment.place = place;
        // A position in the text counts only in an element that holds nothing but text.
        const bool inText = place == XmlComment::Inside && element->children.isEmpty();
        comment.textOffset = inText ? qMin(comment.textOffset, element->value.size()) : 0;
    }
    element->comments += m_pendingComments;
    m_pendingComments.clear();
}

void TreeBuilder::endElement()
{
    XmlObject *element = m_current;
    m_current = element->parent;
    --m_depth;
    if (!element->value.isEmpty()) {
        const QString trimmed = element->value.trimmed();
        if (trimmed.isEmpty()) {
            element->value.clear();
        } else {
            // Text beside child elements: its place among them is not kept, its content is.
            if (!element->children.isEmpty())
                element->value = trimmed;
            element->attributes.insert(ValueKey, trimmed);
        }
    }
    keepPendingComments(element, XmlComment::Inside);
}

void TreeBuilder::endDocument()
{
    if (!roots.isEmpty())
        keepPendingComments(roots.last(), XmlComment::After);
}

void TreeBuilder::documentType()
{
    const QXmlStreamEntityDeclarations declarations = m_xml.entityDeclarations();
    for (const QXmlStreamEntityDeclaration &entity : declarations) {
        // Its text lives in another file, which is never read: the parser
        // would drop the reference without a word.
        if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty()) {
            m_xml.raiseError(XmlReader::tr("Entity '%1' refers to another file, which is not read")
                             .arg(entity.name()));
            return;
        }
    }
    m_budget.setDeclarations(declarations);
    if (m_budget.exceeded())
        m_xml.raiseError(EntityBudget::errorString());
}

// The parser hands out a reference it cannot resolve (an entity declared in
// an external document type) instead of its text.
void TreeBuilder::entityReference()
{
    m_xml.raiseError(XmlReader::tr("Entity '%1' is not declared in the file").arg(m_xml.name()));
}

enum class Escape { Text, Attribute };

// Writes the tree as indented UTF-8 XML, a chunk at a time.
class TreeWriter
{
public:
    TreeWriter(QSaveFile &file, Progress *progress, int total)
        : m_file(file), m_meter(progress, total)
    {
        m_buffer.reserve(ChunkSize + 4096);
    }

    bool write(const QList<XmlObject *> &roots);
    int droppedCharacters() const { return m_dropped; }

private:
    static constexpr int ChunkSize = 1 << 18;

    void writeElement(XmlObject *element, int level);
    void writeComments(const XmlObject *element, XmlComment::Place place, int level);
    void writeTextAndComments(const XmlObject *element);
    bool keepsEmpty(const QString &elementName, const QString &attributeName);
    void appendEscaped(QStringView text, Escape mode);
    void appendComment(const XmlComment &comment);
    void appendIndent(int level) { m_buffer.resize(m_buffer.size() + 2 * level, QLatin1Char(' ')); }
    void appendEndTag(const QString &name);
    void endLine();
    bool flush();

    QSaveFile &m_file;
    ProgressMeter m_meter;
    QString m_buffer;
    int m_line = 0;
    int m_elements = 0;
    int m_dropped = 0;
    bool m_failed = false;
    QHash<QString, QStringList> m_requiredAttributes;
};

// An empty attribute is left out of the file (clearing an optional value
// removes it), unless the schema requires it: LN0 inst="" must stay.
bool TreeWriter::keepsEmpty(const QString &elementName, const QString &attributeName)
{
    auto required = m_requiredAttributes.find(elementName);
    if (required == m_requiredAttributes.end()) {
        XmlSchema *schema = XmlSchema::instance();
        schema->load();
        QStringList names;
        if (const XsComplex *type = schema->complexTypeOf(elementName)) {
            for (const XsAttrib *attribute : type->allAttributes()) {
                if (attribute->use == QLatin1String("required"))
                    names.append(attribute->name);
            }
        }
        required = m_requiredAttributes.insert(elementName, names);
    }
    return required->contains(attributeName);
}

bool TreeWriter::write(const QList<XmlObject *> &roots)
{
    m_buffer += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    for (XmlObject *root : roots)
        writeElement(root, 0);
    m_meter.finish();
    return flush();
}

void TreeWriter::endLine()
{
    m_buffer += QLatin1Char('\n');
    ++m_line;
    if (m_buffer.size() >= ChunkSize)
        flush();
}

bool TreeWriter::flush()
{
    if (m_failed)
        return false;
    const QByteArray bytes = m_buffer.toUtf8();
    m_buffer.truncate(0);
    if (m_file.write(bytes) != bytes.size())
        m_failed = true;
    return !m_failed;
}

void TreeWriter::writeElement(XmlObject *element, int level)
{
    if (m_failed)
        return;
    writeComments(element, XmlComment::Before, level);
    appendIndent(level);
    m_buffer += QLatin1Char('<');
    m_buffer += element->name;
    // The pseudo-attribute "value" mirrors the element text; it is written
    // as an attribute only when the element has no text, so that a real
    // attribute of that name (vendor content) survives.
    const bool writeValueAttribute = element->value.isEmpty();
    for (auto it = element->attributes.begin(); it != element->attributes.end(); ++it) {
        if (it.key() == ValueKey && !writeValueAttribute)
            continue;
        if (it.value().isEmpty() && !keepsEmpty(element->name, it.key()))
            continue;
        m_buffer += QLatin1Char(' ');
        m_buffer += it.key();
        m_buffer += QLatin1String("=\"");
        appendEscaped(it.value(), Escape::Attribute);
        m_buffer += QLatin1Char('"');
    }
    element->lineNumber = m_line + 1;

    const bool hasInside = std::any_of(element->comments.cbegin(), element->comments.cend(),
                                       [](const XmlComment &c) { return c.place == XmlComment::Inside; });
    if (element->children.isEmpty() && element->value.isEmpty() && !hasInside) {
        m_buffer += QLatin1String("/>");
    } else if (element->children.isEmpty()) {
        m_buffer += QLatin1Char('>');
        writeTextAndComments(element);
        appendEndTag(element->name);
    } else {
        m_buffer += QLatin1Char('>');
        appendEscaped(element->value.trimmed(), Escape::Text);
        endLine();
        for (XmlObject *child : qAsConst(element->children))
            writeElement(child, level + 1);
        writeComments(element, XmlComment::Inside, level + 1);
        appendIndent(level);
        appendEndTag(element->name);
    }
    endLine();
    writeComments(element, XmlComment::After, level);
    m_meter.advance(++m_elements);
}

void TreeWriter::appendEndTag(const QString &name)
{
    m_buffer += QLatin1String("</");
    m_buffer += name;
    m_buffer += QLatin1Char('>');
}

// One line each, at the indentation of what they stand beside.
void TreeWriter::writeComments(const XmlObject *element, XmlComment::Place place, int level)
{
    for (const XmlComment &comment : element->comments) {
        if (comment.place != place)
            continue;
        appendIndent(level);
        appendComment(comment);
        endLine();
    }
}

// The text of an element without children, with its comments where they stood in it.
void TreeWriter::writeTextAndComments(const XmlObject *element)
{
    const QStringView text = element->value;
    int written = 0;
    for (const XmlComment &comment : element->comments) {
        if (comment.place != XmlComment::Inside)
            continue;
        const int at = qBound(written, comment.textOffset, int(text.size()));
        appendEscaped(text.mid(written, at - written), Escape::Text);
        appendComment(comment);
        written = at;
    }
    appendEscaped(text.mid(written), Escape::Text);
}

// The number of code units of the character at i if an XML 1.0 file can
// hold it (2 for a surrogate pair), or 0.
int xmlCharLength(QStringView text, int i)
{
    const ushort u = text.at(i).unicode();
    if ((u >= 0x20 && u < 0xD800) || u == '\t' || u == '\n' || u == '\r' || (u >= 0xE000 && u < 0xFFFE))
        return 1;
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode()))
        return 2;
    return 0;
}

void TreeWriter::appendEscaped(QStringView text, Escape mode)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (u >= 0x20 && u < 0xD800 && u != '&' && u != '<' && u != '>' && u != '"') {
            m_buffer += c;
            continue;
        }
        switch (u) {
        case '&': m_buffer += QLatin1String("&amp;"); break;
        case '<': m_buffer += QLatin1String("&lt;"); break;
        case '>': m_buffer += QLatin1String("&gt;"); break;
        case '"': m_buffer += QLatin1String("&quot;"); break;
        // A parser normalises raw tabs and line ends in attribute values and
        // raw carriage returns in text; references survive the next load.
        case '\t':
            m_buffer += mode == Escape::Attribute ? QStringLiteral("&#9;") : QStringLiteral("\t");
            break;
        case '\n':
            if (mode == Escape::Attribute) {
                m_buffer += QLatin1String("&#10;");
            } else {
                m_buffer += c;
                ++m_line;
            }
            break;
        case '\r': m_buffer += QLatin1String("&#13;"); break;
        default:
            // Other control characters, unpaired surrogates and U+FFFE/U+FFFF cannot be held by an XML 1.0 file.
            const int length = xmlCharLength(text, i);
            if (length == 0)
                ++m_dropped;
            m_buffer.append(text.data() + i, length);
            i += qMax(length - 1, 0);
        }
    }
}

// Written as read, but for characters XML cannot hold and for what would end
// the markup early: "--" or a final "-" in a comment, "?>" in an instruction.
// A parsed file cannot hold those; the writer stays safe all the same.
void TreeWriter::appendComment(const XmlComment &comment)
{
    const bool isComment = !comment.isInstruction();
    m_buffer += isComment ? QLatin1String("<!--") : QLatin1String("<?") + comment.target;
    if (!isComment && !comment.text.isEmpty())
        m_buffer += QLatin1Char(' ');
    const QStringView text = comment.text;
    QChar previous;
    for (int i = 0; i < text.size(); ++i) {
        const int length = xmlCharLength(text, i);
        if (length == 0) {
            ++m_dropped;
            continue;
        }
        const QChar c = text.at(i);
        if (isComment ? c == QLatin1Char('-') && previous == QLatin1Char('-')
                      : c == QLatin1Char('>') && previous == QLatin1Char('?'))
            m_buffer += QLatin1Char(' ');
        m_buffer.append(text.data() + i, length);
        m_line += c == QLatin1Char('\n');
        previous = c;
        i += length - 1;
    }
    if (isComment && previous == QLatin1Char('-'))
        m_buffer += QLatin1Char(' ');
    m_buffer += isComment ? QLatin1String("-->") : QLatin1String("?>");
}

} // namespace

void XmlReader::setRootNamespaces(XmlObject *root)
{
    // A root in another namespace (a draft's) keeps it: the schema check says
    // so, where silently moving it to the SCL namespace would hide it.
    const auto keepOrSet = [root](const QString &key, const QString &value) {
        if (!root->attributes.contains(key))
            root->attributes.insert(key, value);
    };
    keepOrSet(QStringLiteral("xmlns"), SclNamespace);
    root->attributes.insert(QStringLiteral("xmlns:velm"), VendorNamespace);
    root->attributes.insert(QStringLiteral("xmlns:xsi"), SchemaInstanceNamespace);
    keepOrSet(QStringLiteral("xsi:schemaLocation"), SclNamespace + QLatin1String(" SCL.xsd"));
}

QList<XmlObject *> XmlReader::load(const QString &fileName, Progress *progress)
{
    QFile file(fileName);
    // Binary mode: the parser handles line ends itself, and text mode would
    // strip 0x0D bytes out of UTF-16 text.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        qWarning().noquote() << tr("ReadOnly open file %1 failed.").arg(fileName);
        return {};
    }
    Utf8Guard guard(&file);
    guard.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    EntityBudget budget(&guard);
    budget.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    ProgressMeter meter(progress, file.size());

    QXmlStreamReader xml(&budget);
    TreeBuilder builder(xml, budget);
    uint tokens = 0;
    // Not atEnd(): it asks the file for its size on every call.
    for (bool done = false; !done && !xml.hasError();) {
        if ((++tokens & 0x3FF) == 0)
            meter.advance(guard.bytesRead());
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: builder.startElement(); break;
        case QXmlStreamReader::EndElement: builder.endElement(); break;
        case QXmlStreamReader::Characters: builder.characters(); break;
        case QXmlStreamReader::Comment: builder.comment(QString(), xml.text().toString()); break;
        case QXmlStreamReader::ProcessingInstruction:
            builder.comment(xml.processingInstructionTarget().toString(), xml.processingInstructionData().toString());
            break;
        case QXmlStreamReader::DTD: builder.documentType(); break;
        case QXmlStreamReader::EntityReference: builder.entityReference(); break;
        case QXmlStreamReader::EndDocument:
            builder.endDocument();
            done = true;
            break;
        default: break;
        }
    }

    QString error = xml.errorString();
    if (error.endsWith(QLatin1Char('.')))
        error.chop(1); // the message adds its own
    if (guard.encoding() == Utf8Guard::Encoding::Mislabelled) {
        error = tr("The file declares the encoding %1, but its bytes are 8-bit text").arg(guard.declaredEncoding());
    } else if (guard.invalidOffset() >= 0) {
        const bool utf8 = guard.encoding() == Utf8Guard::Encoding::Utf8;
        error = tr("The file is not valid %1 (byte offset %2)")
                .arg(utf8 ? QStringLiteral("UTF-8") : QStringLiteral("UTF-16")).arg(guard.invalidOffset());
    } else if (budget.exceeded()) {
        error = EntityBudget::errorString();
    }
    if (xml.hasError() || guard.invalidOffset() >= 0 || budget.exceeded()) {
        qCritical().noquote() << tr("Xml Syntax error at line:%1, column:%2, error: %3.")
                                 .arg(xml.lineNumber()).arg(xml.columnNumber()).arg(error);
        meter.cancel();
        qDeleteAll(builder.roots);
        return {};
    }
    meter.finish();
    return builder.roots;
}

bool XmlReader::save(const QString &fileName, const QList<XmlObject *> &roots, Progress *progress)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        qCritical().noquote() << tr("Save file %1 open operate failed.").arg(fileName)
                              << file.errorString();
        return false;
    }
    TreeWriter writer(file, progress, countElements(roots));
    if (!writer.write(roots)) {
        qCritical().noquote() << tr("Save file %1 write operate failed.").arg(fileName)
                              << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCritical().noquote() << tr("Save file %1 commit operate failed.").arg(fileName)
                              << file.errorString();
        return false;
    }
    if (writer.droppedCharacters() > 0) {
        qWarning().noquote() << tr("Save file %1: %2 characters that XML cannot hold were left out.")
                                .arg(fileName).arg(writer.droppedCharacters());
    }
    return true;
}

int XmlReader::countElements(const QList<XmlObject *> &roots)
{
    int count = 0;
    QList<const XmlObject *> pending;
    for (const XmlObject *root : roots)
        pending.append(root);
    while (!pending.isEmpty()) {
        const XmlObject *element = pending.takeLast();
        ++count;
        for (const XmlObject *child : element->children)
            pending.append(child);
    }
    return count;
}
