#include "schemavalidator.h"

#include "progressmeter.h"
#include "xmlobject.h"
#include "xmlreader.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QPair>
#include <QVector>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <libxml/tree.h>
#include <libxml/xmlschemas.h>

#include <algorithm>
#include <functional>

namespace {

const QString SchemaResources = QStringLiteral(":/Schema/Resources");
const QString ValueKey = QStringLiteral("value");

// The embedded schema as libxml2 reads it, parsed once per process.
class CompiledSchema
{
public:
    static const CompiledSchema &instance()
    {
        static const CompiledSchema schema;
        return schema;
    }
    ~CompiledSchema()
    {
        if (m_schema)
            xmlSchemaFree(m_schema);
    }
    CompiledSchema(const CompiledSchema &) = delete;
    CompiledSchema &operator=(const CompiledSchema &) = delete;

    xmlSchemaPtr schema() const { return m_schema; }
    QString error() const { return m_error; }

private:
    CompiledSchema()
    {
        // The set is written out as files so that its includes resolve; the
        // root's namespace declarations, which XSD does not allow to declare,
        // stay behind: they are there for the attribute panel only.
        QTemporaryDir dir;
        static const QRegularExpression namespaceDeclaration(
                QStringLiteral("\\s*<xs:attribute name=\"(xmlns|[^\"]*:[^\"]*)\"[^>]*/>"));
        for (const QString &name : QDir(SchemaResources).entryList(QDir::Files)) {
            QFile source(SchemaResources + QLatin1Char('/') + name);
            QFile copy(dir.filePath(name));
            if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly)) {
                m_error = SchemaValidator::tr("The embedded schema file %1 cannot be read.").arg(name);
                return;
            }
            copy.write(QString::fromUtf8(source.readAll()).remove(namespaceDeclaration).toUtf8());
        }
        xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(QFile::encodeName(dir.filePath("SCL.xsd")).constData());
        xmlSchemaSetParserStructuredErrors(parser, &CompiledSchema::parseError, this);
        m_schema = xmlSchemaParse(parser);
        xmlSchemaFreeParserCtxt(parser);
        if (!m_schema && m_error.isEmpty())
            m_error = SchemaValidator::tr("The embedded schema cannot be read.");
    }

    static void parseError(void *self, xmlErrorPtr error)
    {
        auto *schema = static_cast<CompiledSchema *>(self);
        if (schema->m_error.isEmpty())
            schema->m_error = SchemaValidator::tr("The embedded schema cannot be read: %1")
                                      .arg(QString::fromUtf8(error->message).trimmed());
    }

    xmlSchemaPtr m_schema = nullptr;
    QString m_error;
};

xmlChar *utf8(const QString &text, QByteArray &buffer)
{
    buffer = text.toUtf8();
    return reinterpret_cast<xmlChar *>(buffer.data());
}

// A libxml2 copy of our tree: elements, namespaces, attributes and text,
// each node's _private pointing at the element it stands for.
class DocumentCopy
{
public:
    DocumentCopy(const QList<XmlObject *> &roots, Progress *progress)
        : m_doc(xmlNewDoc(reinterpret_cast<const xmlChar *>("1.0"))),
          m_meter(progress, XmlReader::countElements(roots))
    {
        // Element and attribute names are few: the document keeps one copy of each.
        m_doc->dict = xmlDictCreate();
        for (XmlObject *root : roots) {
            if (!xmlDocGetRootElement(m_doc))
                copy(root, nullptr);
        }
        m_meter.finish();
    }
    ~DocumentCopy() { xmlFreeDoc(m_doc); }
    DocumentCopy(const DocumentCopy &) = delete;
    DocumentCopy &operator=(const DocumentCopy &) = delete;

    xmlDocPtr doc() const { return m_doc; }

private:
    void copy(XmlObject *element, xmlNodePtr parent)
    {
        m_meter.advance(++m_copied);
        QByteArray value;
        QByteArray prefix;
        const int colon = element->name.indexOf(QLatin1Char(':'));
        xmlNodePtr node = xmlNewDocNodeEatName(m_doc, nullptr, dictName(element->name, colon + 1), nullptr);
        node->_private = element;
        if (parent)
            xmlAddChild(parent, node);
        else
            xmlDocSetRootElement(m_doc, node);

        // Declarations first: the element's own name and attributes may use them.
        for (auto it = element->attributes.begin(); it != element->attributes.end(); ++it) {
            if (it.key() == QLatin1String("xmlns"))
                xmlNewNs(node, utf8(it.value(), value), nullptr);
            else if (it.key().startsWith(QLatin1String("xmlns:")))
                xmlNewNs(node, utf8(it.value(), value), utf8(it.key().mid(6), prefix));
        }
        xmlSetNs(node, xmlSearchNs(m_doc, node, colon < 0 ? nullptr : utf8(element->name.left(colon), prefix)));

        for (auto it = element->attributes.begin(); it != element->attributes.end(); ++it) {
            const QString &key = it.key();
            // "value" stands for the text when there is one.
            if (key == QLatin1String("xmlns") || key.startsWith(QLatin1String("xmlns:"))
                || (key == ValueKey && !element->value.isEmpty()))
                continue;
            const int at = key.indexOf(QLatin1Char(':'));
            xmlNsPtr ns = at < 0 ? nullptr : xmlSearchNs(m_doc, node, utf8(key.left(at), prefix));
            xmlNewNsPropEatName(node, ns, dictName(key, at + 1), utf8(it.value(), value));
        }
        if (!element->value.isEmpty())
            xmlNodeAddContent(node, utf8(element->value, value));
        for (XmlObject *child : element->children)
            copy(child, node);
    }

    // A name of the document's dictionary, for the part of name from `from` on.
    // Names are shared strings of the tree: looked up once by their data.
    xmlChar *dictName(const QString &name, int from)
    {
        const auto key = qMakePair(name.constData(), from);
        auto found = m_names.constFind(key);
        if (found == m_names.constEnd()) {
            const QByteArray text = name.mid(from).toUtf8();
            found = m_names.insert(key, xmlDictLookup(m_doc->dict, reinterpret_cast<const xmlChar *>(text.constData()),
                                                      text.size()));
        }
        // The document's functions take dictionary names as they are: nothing is freed.
        return const_cast<xmlChar *>(*found);
    }

    xmlDocPtr m_doc;
    QHash<QPair<const QChar *, int>, const xmlChar *> m_names;
    ProgressMeter m_meter;
    qint64 m_copied = 0;
};

// libxml2 names elements "{namespace}Name": the SCL namespace says nothing here.
QString readable(const char *message)
{
    static const QRegularExpression sclNamespace(QStringLiteral("\\{http://www\\.iec\\.ch/61850/\\d{4}/SCL\\}"));
    return QString::fromUtf8(message).trimmed().remove(sclNamespace);
}

// Whether the element holds every value of a key sequence (an absent attribute holds '').
bool holds(const XmlObject *element, const QStringList &values)
{
    const QStringList own = element->attributes.values();
    return std::all_of(values.begin(), values.end(),
                       [&own](const QString &value) { return value.isEmpty() || own.contains(value); });
}

// libxml2 reports a keyref that finds no key at the end of the keyref's scope,
// on the scope's element; the finding belongs to the element that refers. It
// is the n-th element of the name the message gives, below the scope, that
// holds the sequence's values, for the n-th such message.
class FindingCollector
{
public:
    QList<SchemaFinding> findings;

    static void collect(void *self, xmlErrorPtr error)
    {
        if (error->level < XML_ERR_ERROR)
            return; // libxml2's notes on its own work, not findings
        auto *node = static_cast<xmlNodePtr>(error->node);
        // An attribute's finding is about its element.
        if (node && node->type == XML_ATTRIBUTE_NODE)
            node = node->parent;
        const auto *element = node ? static_cast<const XmlObject *>(node->_private) : nullptr;
        auto *collector = static_cast<FindingCollector *>(self);
        const QString message = readable(error->message);
        // After a value its type refuses, libxml2 notes as an error that it has no value to compare.
        if (message.contains(QLatin1String(": Warning: No precomputed value available")))
            return;
        collector->findings.append({collector->referrer(element, message), message});
    }

private:
    const XmlObject *referrer(const XmlObject *scope, const QString &message)
    {
        static const QRegularExpression keyref(
                QStringLiteral("^Element '([^']+)': No match found for key-sequence \\[(.*)\\] of keyref"));
        const QRegularExpressionMatch match = keyref.match(message);
        if (!scope || !match.hasMatch())
            return scope;
        QStringList values;
        static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
        for (auto it = quoted.globalMatch(match.captured(2)); it.hasNext();)
            values.append(it.next().captured(1));
        // The elements of that name below the scope holding the first value not empty,
        // found through an index made once per scope and name: no walk per finding.
        const auto first = std::find_if(values.begin(), values.end(), [](const QString &v) { return !v.isEmpty(); });
        const QVector<const XmlObject *> candidates =
                first == values.end() ? QVector<const XmlObject *>() : byValue(scope, match.captured(1)).value(*first);
        int skip = m_seen[message]++;
        for (const XmlObject *candidate : candidates) {
            if (holds(candidate, values) && skip-- == 0)
                return candidate;
        }
        return scope;
    }

    // The elements of a name below scope, by each of their attribute values, in document order.
    using ValueIndex = QHash<QString, QVector<const XmlObject *>>;
    const ValueIndex &byValue(const XmlObject *scope, const QString &name)
    {
        const auto key = qMakePair(scope, name);
        auto found = m_indexes.find(key);
        if (found != m_indexes.end())
            return *found;
        ValueIndex &index = m_indexes[key];
        const std::function<void(const XmlObject *)> collect = [&](const XmlObject *e) {
            for (const XmlObject *child : e->children) {
                if (child->name == name) {
                    for (const QString &value : child->attributes.values())
                        index[value].append(child);
                }
                collect(child);
            }
        };
        collect(scope);
        return index;
    }

    QHash<QString, int> m_seen;
    QHash<QPair<const XmlObject *, QString>, ValueIndex> m_indexes;
};

// "LDevice[inst=LD0]": an element with what tells it from its siblings. A
// logical node and a connected access point need all their key attributes;
// other elements are told apart by the first of name, inst and id they have.
QString stepOf(const XmlObject *element)
{
    static const QHash<QString, QStringList> allKeys = {
        {QStringLiteral("LN"), {"prefix", "lnClass", "inst"}},
        {QStringLiteral("LN0"), {}},
        {QStringLiteral("ConnectedAP"), {"iedName", "apName"}},
    };
    const bool all = allKeys.contains(element->name);
    QStringList keys;
    for (const QString &key : all ? allKeys.value(element->name) : QStringList{"name", "inst", "id"}) {
        const QString value = element->attribute(key);
        if (value.isEmpty())
            continue;
        keys.append(key + QLatin1Char('=') + value);
        if (!all)
            break;
    }
    return keys.isEmpty() ? element->name
                          : element->name + QLatin1Char('[') + keys.join(QLatin1Char(',')) + QLatin1Char(']');
}

} // namespace

QList<SchemaFinding> SchemaValidator::validate(const QList<XmlObject *> &roots, Progress *progress)
{
    const CompiledSchema &compiled = CompiledSchema::instance();
    if (!compiled.schema())
        return {{nullptr, compiled.error()}};
    const DocumentCopy copy(roots, progress);
    FindingCollector collector;
    xmlSchemaValidCtxtPtr context = xmlSchemaNewValidCtxt(compiled.schema());
    xmlSchemaSetValidStructuredErrors(context, &FindingCollector::collect, &collector);
    xmlSchemaValidateDoc(context, copy.doc());
    xmlSchemaFreeValidCtxt(context);
    return collector.findings;
}

QString SchemaValidator::pathOf(const XmlObject *element)
{
    QStringList steps;
    for (const XmlObject *e = element; e && e->parent; e = e->parent)
        steps.prepend(stepOf(e));
    return steps.isEmpty() && element ? element->name : steps.join(QLatin1Char('/'));
}

QString SchemaValidator::findingText(const SchemaFinding &finding)
{
    if (!finding.element)
        return tr("[Schema check]|--Error: %1").arg(finding.message);
    if (finding.element->lineNumber > 0)
        return tr("[Schema check]|--Error: %1 (line %2): %3")
                .arg(pathOf(finding.element)).arg(finding.element->lineNumber).arg(finding.message);
    return tr("[Schema check]|--Error: %1: %2").arg(pathOf(finding.element), finding.message);
}
