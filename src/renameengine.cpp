#include "renameengine.h"

#include "scldocument.h"
#include "setattributecommand.h"
#include "xmlobject.h"

#include <QSet>

#include <algorithm>
#include <functional>
#include <iterator>

namespace {

const char *const NameAttributes[] = {"name", "inst", "prefix", "lnClass", "id"};

QString attr(const XmlObject *element, const char *name)
{
    return element->attribute(QLatin1String(name));
}

bool is(const XmlObject *element, const char *name)
{
    return element->name == QLatin1String(name);
}

bool isControlBlock(const XmlObject *element)
{
    return is(element, "ReportControl") || is(element, "GSEControl") || is(element, "SampledValueControl")
            || is(element, "LogControl");
}

bool isType(const XmlObject *element)
{
    return element->parent && is(element->parent, "DataTypeTemplates");
}

// Where a logical node lives: IED, logical device and its own three names.
struct NodeAddress
{
    QString ied;
    QString device;
    QString prefix;
    QString lnClass;
    QString inst;
};

NodeAddress addressOf(const XmlObject *node)
{
    const XmlObject *ied = node->enclosing(QStringLiteral("IED"));
    const XmlObject *device = node->enclosing(QStringLiteral("LDevice"));
    return {ied ? attr(ied, "name") : QString(), device ? attr(device, "inst") : QString(), attr(node, "prefix"),
            attr(node, "lnClass"), attr(node, "inst")};
}

// How an element names a logical node, when it does: FCDA within its own
// IED, ExtRef, ClientLN, LNode and Association through iedName, an IEDName
// of a control block through its text.
bool namedNode(const XmlObject *element, NodeAddress *address, QString *iedKey)
{
    if (is(element, "FCDA")) {
        const XmlObject *ied = element->enclosing(QStringLiteral("IED"));
        *address = {ied ? attr(ied, "name") : QString(), attr(element, "ldInst"), attr(element, "prefix"),
                    attr(element, "lnClass"), attr(element, "lnInst")};
        iedKey->clear();
        return true;
    }
    if (is(element, "ExtRef") || is(element, "ClientLN") || is(element, "LNode") || is(element, "Association")) {
        *address = {attr(element, "iedName"), attr(element, "ldInst"), attr(element, "prefix"),
                    attr(element, "lnClass"), attr(element, "lnInst")};
        *iedKey = QStringLiteral("iedName");
        return true;
    }
    if (is(element, "IEDName")) {
        *address = {element->value.trimmed(), attr(element, "ldInst"), attr(element, "prefix"),
                    attr(element, "lnClass"), attr(element, "lnInst")};
        *iedKey = QStringLiteral("value");
        return true;
    }
    return false;
}

// The logical node an ExtRef's source control block lives in (its class is LLN0 unless it says otherwise).
NodeAddress sourceOf(const XmlObject *extRef)
{
    const QString lnClass = attr(extRef, "srcLNClass");
    return {attr(extRef, "iedName"), attr(extRef, "srcLDInst"), attr(extRef, "srcPrefix"),
            lnClass.isEmpty() ? QStringLiteral("LLN0") : lnClass, attr(extRef, "srcLNInst")};
}

bool sameNode(const NodeAddress &a, const NodeAddress &b)
{
    return a.ied == b.ied && a.device == b.device && a.prefix == b.prefix && a.lnClass == b.lnClass
            && a.inst == b.inst;
}

// The ConnectedAP an element of the Communication section lies in, or null.
const XmlObject *connectedApOf(const XmlObject *element)
{
    return element->enclosing(QStringLiteral("ConnectedAP"));
}

} // namespace

bool RenameEngine::isName(const XmlObject *element, const QString &attribute)
{
    static const QStringList named = {"IED", "AccessPoint", "DataSet", "SubNetwork"};
    if (attribute == QLatin1String("name"))
        return named.contains(element->name) || isControlBlock(element);
    if (attribute == QLatin1String("inst"))
        return is(element, "LDevice") || is(element, "LN") || is(element, "LN0");
    if (attribute == QLatin1String("prefix") || attribute == QLatin1String("lnClass"))
        return is(element, "LN") || is(element, "LN0");
    return attribute == QLatin1String("id") && isType(element);
}

bool RenameEngine::isNamed(const XmlObject *element)
{
    return std::any_of(std::begin(NameAttributes), std::end(NameAttributes),
                       [element](const char *attribute) { return isName(element, QLatin1String(attribute)); });
}

QList<Reference> RenameEngine::references(const XmlObject *element, const QString &attribute) const
{
    QList<Reference> found;
    if (attribute.isEmpty()) {
        // A logical node is named by its three names together: each referrer once.
        QSet<const XmlObject *> seen;
        for (const char *name : NameAttributes) {
            if (!isName(element, QLatin1String(name)))
                continue;
            for (const Reference &reference : references(element, QLatin1String(name))) {
                if (!seen.contains(reference.element)) {
                    seen.insert(reference.element);
                    found.append(reference);
                }
            }
        }
        return found;
    }
    if (!isName(element, attribute))
        return found;

    // What refers to the element, by kind; each referrer is asked once, in document order.
    // The test keeps copies of what its branch worked out: it runs after the branch.
    std::function<void(XmlObject *)> visit;
    const auto add = [&](XmlObject *referrer, const QString &key) { found.append({referrer, key}); };
    const QString name = element->attribute(attribute);
    const XmlObject *ied = element->enclosing(QStringLiteral("IED"));
    const QString iedName = ied ? attr(ied, "name") : QString();

    if (is(element, "IED")) {
        visit = [&](XmlObject *e) {
            NodeAddress address;
            QString key;
            if (namedNode(e, &address, &key) && !key.isEmpty() && address.ied == name)
                add(e, key);
            else if ((is(e, "ConnectedAP") || is(e, "KDC")) && attr(e, "iedName") == name)
                add(e, QStringLiteral("iedName"));
        };
    } else if (is(element, "AccessPoint")) {
        visit = [&](XmlObject *e) {
            if (is(e, "ConnectedAP") && attr(e, "iedName") == iedName && attr(e, "apName") == name)
                add(e, QStringLiteral("apName"));
            else if (is(e, "ServerAt") && attr(e, "apName") == name && e->enclosing(QStringLiteral("IED")) == ied)
                add(e, QStringLiteral("apName"));
            else if (is(e, "ClientLN") && attr(e, "iedName") == iedName && attr(e, "apRef") == name)
                add(e, QStringLiteral("apRef"));
            else if (is(e, "IEDName") && e->value.trimmed() == iedName && attr(e, "apRef") == name)
                add(e, QStringLiteral("apRef"));
        };
    } else if (is(element, "LDevice")) {
        const XmlObject *accessPoint = element->enclosing(QStringLiteral("AccessPoint"));
        const QString apName = accessPoint ? attr(accessPoint, "name") : QString();
        visit = [&, apName](XmlObject *e) {
            NodeAddress address;
            QString key;
            if (namedNode(e, &address, &key) && address.ied == iedName && address.device == name)
                add(e, QStringLiteral("ldInst"));
            if ((is(e, "GSE") || is(e, "SMV")) && attr(e, "ldInst") == name) {
                const XmlObject *connectedAp = connectedApOf(e);
                if (connectedAp && attr(connectedAp, "iedName") == iedName && attr(connectedAp, "apName") == apName)
                    add(e, QStringLiteral("ldInst"));
            }
            if (is(e, "ExtRef") && attr(e, "iedName") == iedName && attr(e, "srcLDInst") == name)
                add(e, QStringLiteral("srcLDInst"));
        };
    } else if (is(element, "LN") || is(element, "LN0")) {
        const NodeAddress node = addressOf(element);
        const QString key = attribute == QLatin1String("inst") ? QStringLiteral("lnInst") : attribute;
        const QString sourceKey = attribute == QLatin1String("inst") ? QStringLiteral("srcLNInst")
                : attribute == QLatin1String("prefix") ? QStringLiteral("srcPrefix") : QStringLiteral("srcLNClass");
        visit = [&, node, key, sourceKey](XmlObject *e) {
            NodeAddress address;
            QString iedKey;
            if (namedNode(e, &address, &iedKey) && sameNode(address, node))
                add(e, key);
            if (is(e, "ExtRef") && !attr(e, "srcCBName").isEmpty() && sameNode(sourceOf(e), node))
                add(e, sourceKey);
        };
    } else if (is(element, "DataSet")) {
        for (XmlObject *sibling : element->parent->children) {
            if (isControlBlock(sibling) && attr(sibling, "datSet") == name)
                add(sibling, QStringLiteral("datSet"));
        }
        return found;
    } else if (isControlBlock(element)) {
        const XmlObject *device = element->enclosing(QStringLiteral("LDevice"));
        const QString deviceName = device ? attr(device, "inst") : QString();
        const char *address = is(element, "GSEControl") ? "GSE" : is(element, "SampledValueControl") ? "SMV" : nullptr;
        const NodeAddress node = addressOf(element->parent);
        visit = [&, deviceName, address, node](XmlObject *e) {
            if (address && is(e, address) && attr(e, "cbName") == name && attr(e, "ldInst") == deviceName) {
                const XmlObject *connectedAp = connectedApOf(e);
                if (connectedAp && attr(connectedAp, "iedName") == iedName)
                    add(e, QStringLiteral("cbName"));
            }
            if (is(e, "ExtRef") && attr(e, "srcCBName") == name && sameNode(sourceOf(e), node))
                add(e, QStringLiteral("srcCBName"));
        };
    } else if (isType(element)) {
        const QString lnClass = attr(element, "lnClass");
        visit = [&, lnClass](XmlObject *e) {
            if (is(element, "LNodeType")) {
                if ((is(e, "LN") || is(e, "LN0")) && attr(e, "lnType") == name && attr(e, "lnClass") == lnClass)
                    add(e, QStringLiteral("lnType"));
                return;
            }
            if (attr(e, "type") != name || !e->parent || !isType(e->parent))
                return;
            const QString bType = attr(e, "bType");
            if ((is(element, "DOType") && (is(e, "DO") || is(e, "SDO")))
                    || (is(element, "DAType") && bType == QLatin1String("Struct"))
                    || (is(element, "EnumType") && bType == QLatin1String("Enum")))
                add(e, QStringLiteral("type"));
        };
    } else {
        return found; // a sub-network's name is named nowhere else
    }

    const std::function<void(XmlObject *)> walk = [&](XmlObject *e) {
        if (e != element)
            visit(e);
        for (XmlObject *child : e->children)
            walk(child);
    };
    for (XmlObject *root : m_document.roots())
        walk(root);
    return found;
}

int RenameEngine::rename(SclDocument &document, XmlObject *element, const QString &attribute,
                         const QString &value) const
{
    const QList<Reference> carried = references(element, attribute);
    document.beginMacro(tr("rename %1 to %2").arg(EditCommand::nameOf(element), value));
    document.execute(std::make_unique<SetAttributeCommand>(element, attribute, value));
    for (const Reference &reference : carried)
        document.execute(std::make_unique<SetAttributeCommand>(reference.element, reference.attribute, value));
    document.endMacro();
    return carried.size();
}
