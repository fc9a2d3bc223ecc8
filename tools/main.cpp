// kestrel-cli: the document core without a window, for scripts and pipelines.

#include "coreresources.h"
#include "renameengine.h"
#include "schemavalidator.h"
#include "scldocument.h"
#include "xmlcheck.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xsattrib.h"
#include "xscomplex.h"
#include "xselement.h"
#include "xskey.h"
#include "xskeyref.h"
#include "xssimple.h"
#include "xsunique.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTextStream>

#include <functional>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool verbose = false;
// While a check runs its lines go to stdout through the check's recorder only.
bool quietLog = false;

// Warnings and errors of the core go to stderr, one line each; debug lines
// (the schema reader's notes) only with --verbose.
void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if ((type == QtDebugMsg && !verbose) || quietLog)
        return;
    err() << "kestrel-cli: " << text << Qt::endl;
}

const char *const Usage = R"(Usage: kestrel-cli [--verbose] COMMAND ARGS

Commands:
  roundtrip IN OUT        Load IN and save it as OUT (UTF-8). Exit 0 on success,
                          1 with the reason on stderr otherwise.
  stats FILE              Element count, IED count, data type counts, load time.
  schema ELEMENT          The attributes (name, type, use) and child elements
                          (child, name or ref, maxOccurs) the SCL schema allows
                          for ELEMENT, tab-separated, one per line; each value
                          as the schema writes it, empty where it has none.
  schema --simple TYPE    The enumeration values and the pattern of a simple type.
  schema --unique NAME    The selector and fields of a unique constraint.
  schema --key NAME       The kind (key or keyref), the key a keyref refers to,
                          the selector and the fields of a key constraint.
  check semantic FILE [--format json]
  check templates FILE [-o OUT] [--format json]
  check schema FILE [--format json]
                          Run the semantic check, the DataTypeTemplates check or
                          the schema check (the file against the SCL schema)
                          and print every line it logs as "LEVEL | TEXT" (or, with
                          --format json, a JSON array of objects with level,
                          section, severity, text and the file line of the element).
                          Exit 0 when the check passes, 1 when it finds faults, 2
                          when the file cannot be loaded. -o saves the document
                          after the template check has removed the unused types.
  rename FILE --ied OLD NEW -o OUT
                          Rename the IED OLD to NEW with every reference to it
                          (ConnectedAP, ExtRef, ClientLN, LNode, IEDName, ...)
                          and save the result as OUT. Exit 0 when renamed, 1 with
                          the reason on stderr when refused, 2 when FILE cannot
                          be loaded or OUT cannot be written.
  --help                  This text.

FILE may name an embedded resource, e.g. :/Xml/init (the new-file template).
)";

int usageError(const QString &message)
{
    err() << "kestrel-cli: " << message << Qt::endl << Qt::endl << Usage;
    return 2;
}

int roundtrip(const QStringList &args)
{
    if (args.size() != 2)
        return usageError(QStringLiteral("roundtrip takes IN and OUT"));
    const QList<XmlObject *> roots = XmlReader::load(args.at(0));
    if (roots.isEmpty())
        return 1;
    const bool saved = XmlReader::save(args.at(1), roots);
    qDeleteAll(roots);
    return saved ? 0 : 1;
}

void countNames(const XmlObject *element, QMap<QString, int> &counts, int &total)
{
    ++total;
    ++counts[element->name];
    for (const XmlObject *child : element->children)
        countNames(child, counts, total);
}

int stats(const QStringList &args)
{
    if (args.size() != 1)
        return usageError(QStringLiteral("stats takes one FILE"));
    QElapsedTimer timer;
    timer.start();
    const QList<XmlObject *> roots = XmlReader::load(args.at(0));
    const qint64 loadMs = timer.elapsed();
    if (roots.isEmpty())
        return 1;
    QMap<QString, int> counts;
    int total = 0;
    for (const XmlObject *root : roots)
        countNames(root, counts, total);
    qDeleteAll(roots);

    out() << "file\t" << args.at(0) << "\n"
          << "elements\t" << total << "\n"
          << "IED\t" << counts.value(QStringLiteral("IED")) << "\n";
    for (const char *type : {"LNodeType", "DOType", "DAType", "EnumType"})
        out() << type << "\t" << counts.value(QLatin1String(type)) << "\n";
    out() << "load ms\t" << loadMs << Qt::endl;
    return 0;
}

int schemaElement(const QString &elementName)
{
    const XsComplex *type = XmlSchema::instance()->complexTypeOf(elementName);
    if (!type) {
        err() << "kestrel-cli: the schema declares no complex type for " << elementName << Qt::endl;
        return 1;
    }
    for (const XsAttrib *attribute : type->allAttributes())
        out() << attribute->name << '\t' << attribute->type << '\t' << attribute->use << '\n';
    for (const XsElement *child : type->allElements())
        out() << "child\t" << (child->name.isEmpty() ? child->ref : child->name) << '\t' << child->maxOccurs << '\n';
    out().flush();
    return 0;
}

int schemaSimple(const QString &typeName)
{
    const XsSimple *type = XmlSchema::instance()->simpleType(typeName);
    if (!type) {
        err() << "kestrel-cli: the schema declares no simple type " << typeName << Qt::endl;
        return 1;
    }
    for (const QString &value : type->allEnumerations())
        out() << "enumeration\t" << value << '\n';
    const QString pattern = type->regexPattern();
    if (!pattern.isEmpty())
        out() << "pattern\t" << pattern << '\n';
    out().flush();
    return 0;
}

void printConstraint(const QString &selector, const QStringList &fields)
{
    out() << "selector\t" << selector << '\n';
    for (const QString &field : fields)
        out() << "field\t" << field << '\n';
    out().flush();
}

int schemaUnique(const QString &name)
{
    const XsUnique *unique = XmlSchema::instance()->unique(name);
    if (!unique) {
        err() << "kestrel-cli: the schema declares no unique constraint " << name << Qt::endl;
        return 1;
    }
    printConstraint(unique->selector, unique->fields);
    return 0;
}

int schemaKey(const QString &name)
{
    const XmlSchema *schema = XmlSchema::instance();
    if (const XsKey *key = schema->keys.value(name)) {
        out() << "kind\tkey\n";
        printConstraint(key->selector, key->fields);
        return 0;
    }
    if (const XsKeyRef *keyRef = schema->keyRefs.value(name)) {
        out() << "kind\tkeyref\nrefer\t" << keyRef->refer << '\n';
        printConstraint(keyRef->selector, keyRef->fields);
        return 0;
    }
    err() << "kestrel-cli: the schema declares no key or key reference " << name << Qt::endl;
    return 1;
}

int schema(const QStringList &args)
{
    XmlSchema::instance()->load();
    if (args.size() == 1 && !args.at(0).startsWith(QLatin1String("--")))
        return schemaElement(args.at(0));
    if (args.size() == 2 && args.at(0) == QLatin1String("--simple"))
        return schemaSimple(args.at(1));
    if (args.size() == 2 && args.at(0) == QLatin1String("--unique"))
        return schemaUnique(args.at(1));
    if (args.size() == 2 && args.at(0) == QLatin1String("--key"))
        return schemaKey(args.at(1));
    return usageError(QStringLiteral("schema takes ELEMENT, --simple TYPE, --unique NAME or --key NAME"));
}

QString levelText(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return QStringLiteral("Debug   ");
    case QtWarningMsg: return QStringLiteral("Warning ");
    case QtCriticalMsg: return QStringLiteral("Critical");
    case QtFatalMsg: return QStringLiteral("Fatal   ");
    default: return QStringLiteral("Info    ");
    }
}

QJsonObject finding(QtMsgType type, const QString &text, const XmlObject *element)
{
    QString section;
    for (const char *tag : {"Schema check", "Semantic check", "DataTypeTemplates check"}) {
        if (text.contains(QLatin1Char('[') + QLatin1String(tag) + QLatin1Char(']')))
            section = QLatin1String(tag);
    }
    const QString severity = text.contains(QLatin1String("|--Error")) ? QStringLiteral("Error")
            : text.contains(QLatin1String("|--Warn")) ? QStringLiteral("Warn") : QStringLiteral("none");
    QJsonObject object{{"level", levelText(type).trimmed()}, {"section", section},
                       {"severity", severity}, {"text", text}};
    object.insert(QStringLiteral("line"), element ? QJsonValue(element->lineNumber) : QJsonValue());
    return object;
}

int check(const QStringList &arguments)
{
    QStringList args = arguments;
    bool json = false;
    QString output;
    const int format = args.indexOf(QStringLiteral("--format"));
    if (format >= 0 && format + 1 < args.size()) {
        if (args.at(format + 1) != QLatin1String("json"))
            return usageError(QStringLiteral("the only format is json"));
        json = true;
        args.erase(args.begin() + format, args.begin() + format + 2);
    }
    const int outputAt = args.indexOf(QStringLiteral("-o"));
    if (outputAt >= 0 && outputAt + 1 < args.size()) {
        output = args.at(outputAt + 1);
        args.erase(args.begin() + outputAt, args.begin() + outputAt + 2);
    }
    static const QStringList kinds = {"semantic", "templates", "schema"};
    if (args.size() != 2 || !kinds.contains(args.at(0)))
        return usageError(QStringLiteral("check takes semantic, templates or schema and a FILE"));
    const bool semantic = args.at(0) == QLatin1String("semantic");
    const bool schema = args.at(0) == QLatin1String("schema");
    if ((semantic || schema) && !output.isEmpty())
        return usageError(QStringLiteral("-o goes with the templates check"));

    XmlSchema::instance()->load();
    SclDocument document;
    if (!document.load(args.at(1)))
        return 2;
    QJsonArray findings;
    XmlCheck *checker = XmlCheck::instance();
    checker->setRecorder([&](QtMsgType type, const QString &text, const XmlObject *element) {
        if (json)
            findings.append(finding(type, text, element));
        else
            out() << levelText(type) << " | " << text << '\n';
    });
    quietLog = true;
    bool passed = true;
    if (schema) {
        for (const SchemaFinding &found : SchemaValidator::validate(document.roots())) {
            const QString text = SchemaValidator::findingText(found);
            if (json)
                findings.append(finding(QtWarningMsg, text, found.element));
            else
                out() << levelText(QtWarningMsg) << " | " << text << '\n';
            passed = false;
        }
    } else {
        passed = semantic ? checker->semanticValidate(document.roots()) : checker->checkTemplate(document);
    }
    quietLog = false;
    checker->setRecorder({});
    if (json)
        out() << QJsonDocument(findings).toJson(QJsonDocument::Indented);
    out().flush();
    if (!output.isEmpty() && !document.save(output))
        return 2;
    return passed ? 0 : 1;
}

// Takes "OPTION VALUE..." out of args; false when the option is there without its values.
bool takeOption(QStringList &args, const QString &option, int values, QStringList *taken)
{
    const int at = args.indexOf(option);
    if (at < 0)
        return true;
    if (at + values >= args.size())
        return false;
    *taken = args.mid(at + 1, values);
    args.erase(args.begin() + at, args.begin() + at + values + 1);
    return true;
}

int refused(const QString &reason)
{
    err() << "kestrel-cli: " << reason << Qt::endl;
    return 1;
}

int renameIed(const QStringList &arguments)
{
    QStringList args = arguments;
    QStringList names;
    QStringList output;
    if (!takeOption(args, QStringLiteral("--ied"), 2, &names) || !takeOption(args, QStringLiteral("-o"), 1, &output)
        || args.size() != 1 || names.isEmpty() || output.isEmpty())
        return usageError(QStringLiteral("rename takes FILE --ied OLD NEW -o OUT"));
    const QString &oldName = names.at(0);
    const QString &newName = names.at(1);

    XmlSchema::instance()->load();
    SclDocument document;
    if (!document.load(args.at(0)))
        return 2;
    XmlObject *root = document.scl();
    XmlObject *ied = root ? root->findChild(QStringLiteral("IED"), QStringLiteral("name"), oldName) : nullptr;
    static const QRegularExpression iedName(QStringLiteral("^[A-Za-z][0-9A-Za-z_]{0,63}$"));
    if (!ied)
        return refused(QStringLiteral("the file has no IED named %1").arg(oldName));
    if (!iedName.match(newName).hasMatch())
        return refused(QStringLiteral("%1 is no IED name: a letter, then up to 63 letters, digits or _").arg(newName));
    if (newName != oldName && root->findChild(QStringLiteral("IED"), QStringLiteral("name"), newName))
        return refused(QStringLiteral("another IED is named %1 already").arg(newName));

    const int carried = RenameEngine(document).rename(document, ied, QStringLiteral("name"), newName);
    if (!document.save(output.first()))
        return 2;
    out() << "renamed IED " << oldName << " to " << newName << ", " << carried << " references with it" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrel"));
    initCoreResources();
    qInstallMessageHandler(messageHandler);

    QStringList args = app.arguments().mid(1);
    if (args.removeAll(QStringLiteral("--verbose")) > 0)
        verbose = true;
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        out() << Usage << Qt::flush;
        return 0;
    }

    const QMap<QString, std::function<int(const QStringList &)>> commands = {
        {QStringLiteral("roundtrip"), roundtrip},
        {QStringLiteral("stats"), stats},
        {QStringLiteral("schema"), schema},
        {QStringLiteral("check"), check},
        {QStringLiteral("rename"), renameIed},
    };
    const auto command = commands.constFind(args.first());
    if (command == commands.constEnd())
        return usageError(QStringLiteral("unknown command %1").arg(args.first()));
    return (*command)(args.mid(1));
}
