#include "xmlcheck.h"

#include "progressmeter.h"
#include "removecommand.h"
#include "scldocument.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"

#include <QDebug>
#include <QScopeGuard>
#include <QSet>

namespace {

QString attr(const XmlObject *element, const char *name)
{
    return element ? element->attribute(QLatin1String(name)) : QString();
}

const XmlObject *ancestor(const XmlObject *element, const QString &name)
{
    for (const XmlObject *e = element; e; e = e->parent) {
        if (e->name == name)
            return e;
    }
    return nullptr;
}

const XmlObject *enclosingLogicalNode(const XmlObject *element)
{
    for (const XmlObject *e = element; e; e = e->parent) {
        if (e->name == QLatin1String("LN") || e->name == QLatin1String("LN0"))
            return e;
    }
    return nullptr;
}

// Where an element of a logical node sits, as the messages name it.
struct Context
{
    explicit Context(const XmlObject *element)
        : ln(enclosingLogicalNode(element)),
          accessPoint(attr(ancestor(ln, QStringLiteral("AccessPoint")), "name")),
          ldInst(attr(ancestor(ln, QStringLiteral("LDevice")), "inst")),
          lnClass(attr(ln, "lnClass")),
          lnType(attr(ln, "lnType")),
          lnInst(attr(ln, "inst"))
    {
    }
    const XmlObject *ln;
    QString accessPoint, ldInst, lnClass, lnType, lnInst;
};

QString logicalNodeKey(const QString &prefix, const QString &lnClass, const QString &inst)
{
    return prefix + QLatin1Char('\x1f') + lnClass + QLatin1Char('\x1f') + inst;
}

// A type's users by the keys of their child index (child names and types).
QSet<QString> indexKeys(const XmlObject *type)
{
    QSet<QString> keys;
    for (auto it = type->index.constBegin(); it != type->index.constEnd(); ++it)
        keys.insert(it.key());
    return keys;
}

} // namespace

// One run of a check: the lookups it builds from the document and the rules.
struct XmlCheck::Run
{
    Run(XmlCheck &check, const QList<XmlObject *> &roots, Progress *progress);

    void semanticObjectValidate(XmlObject *element);
    void semanticSubNetworkValidate(XmlObject *element);
    void semanticIEDValidate(XmlObject *element);
    void semanticLDeviceValidate(XmlObject *element);
    bool semanticDataSet(XmlObject *dataSet, QString &message);

    void checkAddress(const XmlObject *p, QHash<QString, XmlObject *> &firstByText);
    void checkServiceMax(const XmlObject *element);
    void checkIedName(const XmlObject *ied);
    bool checkReference(const XmlObject *reference, bool isFcda, QString &inner);
    bool resolveDataObject(const XmlObject *ln, const QString &doName, const QString &owner,
                           QString &doTypeId, QString &inner) const;
    bool resolveDataAttribute(const XmlObject *reference, bool isFcda, const QString &doTypeId, QString &inner) const;
    bool checkInstancePath(const XmlObject *element, QString &path, QString &inner) const;

    struct IedLookup
    {
        QHash<QString, XmlObject *> devices;
        QSet<QString> accessPoints;
    };
    struct DeviceLookup
    {
        QHash<QString, XmlObject *> ln0;
        QHash<QString, XmlObject *> ln;
    };
    const IedLookup &iedLookup(const XmlObject *ied);
    const DeviceLookup &deviceLookup(const XmlObject *device);
    const XmlObject *logicalNode(const XmlObject *device, const QString &prefix, const QString &lnClass,
                                 const QString &inst);

    void fail(const QString &text, const XmlObject *element)
    {
        check.semanticResult = false;
        check.report(QtWarningMsg, text, element);
    }

    XmlCheck &check;
    XmlSchema *schema;
    ProgressMeter meter;
    QHash<QString, XmlObject *> iedByName;
    QHash<QString, XmlObject *> lnodeTypeByKey;
    QHash<QString, XmlObject *> doTypeById;
    QHash<QString, XmlObject *> daTypeById;
    QHash<const XmlObject *, IedLookup> ieds;
    QHash<const XmlObject *, DeviceLookup> devices;
    QHash<const XmlObject *, QHash<QString, QList<const XmlObject *>>> iedsByParent;
    QHash<QString, XmlObject *> ipIndex, macIndex, appIdIndex, dataSetNames, fcdaKeys;
};

XmlCheck::Run::Run(XmlCheck &check, const QList<XmlObject *> &roots, Progress *progress)
    : check(check), schema(XmlSchema::instance()), meter(progress, XmlReader::countElements(roots))
{
    // The indexes are rebuilt from the document as it is now: edits and imports count.
    check.indexDocument(roots);
    // Types by id, the first in document order, as a search finds them.
    for (XmlObject *type : schema->definitions(QStringLiteral("LNodeType"))) {
        if (!lnodeTypeByKey.contains(XmlSchema::lnodeTypeKey(type)))
            lnodeTypeByKey.insert(XmlSchema::lnodeTypeKey(type), type);
    }
    for (XmlObject *type : schema->definitions(QStringLiteral("DOType"))) {
        if (!doTypeById.contains(attr(type, "id")))
            doTypeById.insert(attr(type, "id"), type);
    }
    for (XmlObject *type : schema->definitions(QStringLiteral("DAType"))) {
        if (!daTypeById.contains(attr(type, "id")))
            daTypeById.insert(attr(type, "id"), type);
    }

    // IEDs by name, the first in document order, as a search from the root finds them.
    const std::function<void(XmlObject *)> collect = [&](XmlObject *element) {
        for (XmlObject *child : qAsConst(element->children)) {
            if (child->name == QLatin1String("IED")) {
                if (!iedByName.contains(attr(child, "name")))
                    iedByName.insert(attr(child, "name"), child);
                iedsByParent[element][attr(child, "name")].append(child);
            }
            collect(child);
        }
    };
    for (XmlObject *root : roots)
        collect(root);
}

const XmlCheck::Run::IedLookup &XmlCheck::Run::iedLookup(const XmlObject *ied)
{
    auto found = ieds.find(ied);
    if (found != ieds.end())
        return *found;
    IedLookup lookup;
    const std::function<void(const XmlObject *)> walk = [&](const XmlObject *element) {
        for (XmlObject *child : element->children) {
            if (child->name == QLatin1String("LDevice") && !lookup.devices.contains(attr(child, "inst")))
                lookup.devices.insert(attr(child, "inst"), child);
            else if (child->name == QLatin1String("AccessPoint"))
                lookup.accessPoints.insert(attr(child, "name"));
            walk(child);
        }
    };
    walk(ied);
    return *ieds.insert(ied, lookup);
}

const XmlCheck::Run::DeviceLookup &XmlCheck::Run::deviceLookup(const XmlObject *device)
{
    auto found = devices.find(device);
    if (found != devices.end())
        return *found;
    DeviceLookup lookup;
    const std::function<void(const XmlObject *)> walk = [&](const XmlObject *element) {
        for (XmlObject *child : element->children) {
            const bool ln0 = child->name == QLatin1String("LN0");
            if (ln0 || child->name == QLatin1String("LN")) {
                const QString key = logicalNodeKey(attr(child, "prefix"), attr(child, "lnClass"), attr(child, "inst"));
                QHash<QString, XmlObject *> &nodes = ln0 ? lookup.ln0 : lookup.ln;
                if (!nodes.contains(key))
                    nodes.insert(key, child);
            }
            walk(child);
        }
    };
    walk(device);
    return *devices.insert(device, lookup);
}

const XmlObject *XmlCheck::Run::logicalNode(const XmlObject *device, const QString &prefix, const QString &lnClass,
                                            const QString &inst)
{
    const DeviceLookup &lookup = deviceLookup(device);
    const QString key = logicalNodeKey(prefix, lnClass, inst);
    if (const XmlObject *node = lookup.ln0.value(key))
        return node;
    return lookup.ln.value(key);
}

void XmlCheck::Run::semanticObjectValidate(XmlObject *element)
{
    if (element->name == QLatin1String("SubNetwork")) {
        check.report(QtDebugMsg, tr("[Semantic check]Check SubNetwork name = %1 type = %2 ......")
                                 .arg(attr(element, "name"), attr(element, "type")), element);
        semanticSubNetworkValidate(element);
    } else if (element->name == QLatin1String("IED")) {
        check.report(QtDebugMsg, tr("[Semantic check]Check IED name = %1 desc = %2 ......")
                                 .arg(attr(element, "name"), attr(element, "desc")), element);
        semanticIEDValidate(element);
    } else if (element->name == QLatin1String("LDevice")) {
        dataSetNames.clear();
        semanticLDeviceValidate(element);
    }
    meter.advance(++check.visited);
    for (XmlObject *child : qAsConst(element->children))
        semanticObjectValidate(child);
}

void XmlCheck::Run::semanticSubNetworkValidate(XmlObject *element)
{
    if (element->name == QLatin1String("ConnectedAP")) {
        const QString iedName = attr(element, "iedName");
        const XmlObject *ied = iedByName.value(iedName);
        if (!ied) {
            fail(tr("[Semantic check]|--Error: %1.")
                 .arg(tr("ConnectedAP iedName = %1 is an invalid IED for reference!").arg(iedName)), element);
        } else if (!iedLookup(ied).accessPoints.contains(attr(element, "apName"))) {
            fail(tr("[Semantic check]|--Error: %1.")
                 .arg(tr("ConnectedAP apName = %1 in %2 is an invalid accessPoint for reference!")
                      .arg(attr(element, "apName"), iedName)), element);
        }
    } else if (element->name == QLatin1String("P")) {
        const QString type = attr(element, "type");
        if (type == QLatin1String("IP"))
            checkAddress(element, ipIndex);
        else if (type == QLatin1String("MAC-Address"))
            checkAddress(element, macIndex);
        else if (type == QLatin1String("APPID"))
            checkAddress(element, appIdIndex);
    }
    for (XmlObject *child : qAsConst(element->children))
        semanticSubNetworkValidate(child);
}

void XmlCheck::Run::checkAddress(const XmlObject *p, QHash<QString, XmlObject *> &firstByText)
{
    const XmlObject *first = firstByText.value(p->value);
    if (!first) {
        firstByText.insert(p->value, const_cast<XmlObject *>(p));
        return;
    }
    const auto where = [](const XmlObject *e) {
        const XmlObject *connectedAP = ancestor(e, QStringLiteral("ConnectedAP"));
        const XmlObject *block = e->parent ? e->parent->parent : nullptr;
        return QStringList{attr(ancestor(e, QStringLiteral("SubNetwork")), "name"), attr(connectedAP, "iedName"),
                           attr(connectedAP, "apName"), attr(block, "cbName"), attr(block, "ldInst")};
    };
    const QStringList a = where(first), b = where(p);
    const QString type = attr(p, "type");
    QString inner, line;
    if (type == QLatin1String("IP")) {
        inner = tr("Address IP = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3, apName = %4) and ")
                .arg(p->value, a[0], a[1], a[2]);
        line = tr("[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4) the same.")
               .arg(inner, b[0], b[1], b[2]);
    } else if (type == QLatin1String("MAC-Address")) {
        inner = tr("Address MAC-Address = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, "
                   "GSE cbName = %5, ldInst = %6) and ").arg(p->value, a[0], a[1], a[2], a[3], a[4]);
        line = tr("[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, "
                  "GSE cbName = %5, ldInst = %6) the same.").arg(inner, b[0], b[1], b[2], b[3], b[4]);
    } else {
        inner = tr("Address APPID = %1 repetition! (SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, "
                   "SMV cbName = %5, ldInst = %6) and ").arg(p->value, a[0], a[1], a[2], a[3], a[4]);
        line = tr("[Semantic check]|--Error: %1(SubNetwork name = %2, ConnectedAP iedName = %3 apName = %4, "
                  "SMV cbName = %5, ldInst = %6) the same.").arg(inner, b[0], b[1], b[2], b[3], b[4]);
    }
    fail(line, p);
}

void XmlCheck::Run::semanticIEDValidate(XmlObject *element)
{
    static const QStringList services = {"ConfDataSet", "DynDataSet", "ConfReportControl", "GOOSE", "RptEnabled"};
    if (element->name == QLatin1String("IED"))
        checkIedName(element);
    else if (services.contains(element->name))
        checkServiceMax(element);
    for (XmlObject *child : qAsConst(element->children))
        semanticIEDValidate(child);
}

void XmlCheck::Run::checkIedName(const XmlObject *ied)
{
    const QList<const XmlObject *> same = iedsByParent.value(ied->parent).value(attr(ied, "name"));
    for (const XmlObject *other : same) {
        if (other == ied)
            continue;
        const QString inner = tr("IED name = %1 repetition! (IED name = %2, desc = %3) and (IED name = %4, desc = %5) the same")
                              .arg(attr(ied, "name"), attr(ied, "name"), attr(ied, "desc"), attr(other, "name"),
                                   attr(other, "desc"));
        fail(tr("[Semantic check]|--Warn : %1.").arg(inner), ied);
        return;
    }
}

void XmlCheck::Run::checkServiceMax(const XmlObject *element)
{
    bool numeric = false;
    const QString max = attr(element, "max");
    const int value = max.toInt(&numeric, 10);
    if (max.isEmpty() || !numeric) {
        fail(tr("[Semantic check]|--Warn : %1 max no exist or non-numeric.").arg(element->name), element);
        return;
    }
    if (value >= 10)
        return;
    if (element->name != QLatin1String("RptEnabled")) {
        fail(tr("[Semantic check]|--Warn : %1 max Value less than 10.").arg(element->name), element);
        return;
    }
    const XmlObject *control = element->parent;
    const Context context(control);
    fail(tr("[Semantic check]|--Warn : %1 max Value less than 10 (AccessPoint name = %2, LDevice inst = %3, "
            "LN lnClass = %4 lnType = %5, ReportControl name = %6 confRev = %7 rptID = %8).")
         .arg(element->name, context.accessPoint, context.ldInst, context.lnClass, context.lnType,
              attr(control, "name"), attr(control, "confRev"), attr(control, "rptID")), element);
}

void XmlCheck::Run::semanticLDeviceValidate(XmlObject *element)
{
    const QString &name = element->name;
    if (name == QLatin1String("LN0") || name == QLatin1String("LN")) {
        if (!lnodeTypeByKey.contains(attr(element, "lnType") + QLatin1Char('/') + attr(element, "lnClass"))) {
            fail(tr("[Semantic check]|--Error: %1 lnClass = %2,lnType = %3 inst = %4 is an invalid %5 for reference! "
                    "(AccessPoint name = %6, LDevice inst = %7)")
                 .arg(name, attr(element, "lnClass"), attr(element, "lnType"), attr(element, "inst"), name,
                      attr(ancestor(element, QStringLiteral("AccessPoint")), "name"),
                      attr(ancestor(element, QStringLiteral("LDevice")), "inst")), element);
        }
    } else if (name == QLatin1String("DataSet")) {
        QString message;
        if (!semanticDataSet(element, message)) {
            const Context context(element);
            fail(tr("[Semantic check]|--Warn : %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 "
                    "lnType = %5 inst = %6, desc = %7) the same.")
                 .arg(message, context.accessPoint, context.ldInst, context.lnClass, context.lnType, context.lnInst,
                      attr(element, "desc")), element);
        }
    } else if (name == QLatin1String("FCDA") || name == QLatin1String("ExtRef")) {
        QString inner;
        if (!checkReference(element, name == QLatin1String("FCDA"), inner))
            fail(tr("[Semantic check]|--Error: %1.").arg(inner), element);
    } else if (name == QLatin1String("DOI")) {
        const XmlObject *type = schema->lnodeTypeIndex.value(attr(element->parent, "lnType") + QLatin1Char('/')
                                                             + attr(element->parent, "lnClass"));
        if (!type || !type->index.contains(attr(element, "name"))) {
            const Context context(element);
            fail(tr("[Semantic check]|--Error: %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 "
                    "lnType = %5 inst = %6) %7.")
                 .arg(name, context.accessPoint, context.ldInst, context.lnClass, context.lnType, context.lnInst,
                      tr("DOI name = %1 invalid reference.").arg(attr(element, "name"))), element);
        }
    } else if (name == QLatin1String("SDI") || name == QLatin1String("DAI")) {
        QString path, inner;
        if (!checkInstancePath(element, path, inner)) {
            const Context context(ancestor(element, QStringLiteral("DOI")));
            fail(tr("[Semantic check]|--Error: %1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 "
                    "lnType = %5 inst = %6, %7) %8.")
                 .arg(name, context.accessPoint, context.ldInst, context.lnClass, context.lnType, context.lnInst,
                      path, inner), element);
        }
    }
    for (XmlObject *child : qAsConst(element->children))
        semanticLDeviceValidate(child);
}

bool XmlCheck::Run::semanticDataSet(XmlObject *dataSet, QString &message)
{
    fcdaKeys.clear();
    const Context context(dataSet);
    for (XmlObject *fcda : qAsConst(dataSet->children)) {
        if (fcda->name != QLatin1String("FCDA"))
            continue;
        const QString key = attr(fcda, "ldInst") + QLatin1Char('/') + attr(fcda, "prefix") + attr(fcda, "lnClass")
                + attr(fcda, "lnInst") + QLatin1Char('/') + attr(fcda, "fc") + QLatin1Char('/') + attr(fcda, "doName")
                + QLatin1Char('/') + attr(fcda, "daName");
        if (fcdaKeys.contains(key)) {
            // Reported, but a repeated member does not fail the check.
            check.report(QtWarningMsg,
                         tr("[Semantic check]|--Warn : FCDA %1 repetition! (AccessPoint name = %2, LDevice inst = %3, "
                            "LN lnClass = %4 lnType = %5 inst = %6, DataSet = %7).")
                         .arg(key, context.accessPoint, context.ldInst, context.lnClass, context.lnType,
                              context.lnInst, attr(dataSet, "name")), fcda);
        } else {
            fcdaKeys.insert(key, fcda);
        }
    }
    const XmlObject *first = dataSetNames.value(attr(dataSet, "name"));
    if (!first) {
        dataSetNames.insert(attr(dataSet, "name"), dataSet);
        return true;
    }
    const Context firstContext(first);
    message = tr("DataSet name = %1 repetition! (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 "
                 "lnType = %5, desc = %6) and ")
              .arg(attr(dataSet, "name"), firstContext.accessPoint, firstContext.ldInst, firstContext.lnClass,
                   firstContext.lnType, attr(first, "desc"));
    return false;
}

bool XmlCheck::Run::checkReference(const XmlObject *reference, bool isFcda, QString &inner)
{
    const Context context(reference);
    const QString owner = isFcda ? QStringLiteral("FCDA") : QStringLiteral("ExtRef");
    // FCDA messages end with the data set, ExtRef ones with the context only.
    const QString tail = isFcda
            ? tr("(AccessPoint name = %1, LDevice inst = %2, LN lnClass = %3 lnType = %4, DataSet name = %5)")
              .arg(context.accessPoint, context.ldInst, context.lnClass, context.lnType, attr(reference->parent, "name"))
            : tr("(AccessPoint name = %1, LDevice inst = %2, LN lnClass = %3 lnType = %4)")
              .arg(context.accessPoint, context.ldInst, context.lnClass, context.lnType);

    const XmlObject *ied = isFcda ? ancestor(reference, QStringLiteral("IED"))
                                  : iedByName.value(attr(reference, "iedName"));
    if (!ied) {
        inner = tr("ExtRef's iedName = %1 invalid reference! %2").arg(attr(reference, "iedName"), tail);
        return false;
    }
    const XmlObject *device = iedLookup(ied).devices.value(attr(reference, "ldInst"));
    if (!device) {
        inner = tr("%1's ldInst = %2 invalid reference! %3").arg(owner, attr(reference, "ldInst"), tail);
        return false;
    }
    const XmlObject *node = logicalNode(device, attr(reference, "prefix"), attr(reference, "lnClass"),
                                        attr(reference, "lnInst"));
    if (!node) {
        inner = tr("%1's lnClass = %2,lnInst = %3,prefix = %4 invalid reference! %5")
                .arg(owner, attr(reference, "lnClass"), attr(reference, "lnInst"), attr(reference, "prefix"), tail);
        return false;
    }
    const QString doName = attr(reference, "doName");
    if (doName.isEmpty())
        return true;
    const QString wrapper = tr("%1 (AccessPoint name = %2, LDevice inst = %3, LN lnClass = %4 lnType = %5, DataSet name = %6)");
    const auto wrap = [&](const QString &text) {
        return wrapper.arg(text, context.accessPoint, context.ldInst, context.lnClass, context.lnType,
                           attr(reference->parent, "name"));
    };
    QString doTypeId, text;
    if (!resolveDataObject(node, doName, owner, doTypeId, text)) {
        inner = wrap(text);
        return false;
    }
    if (!attr(reference, "daName").isEmpty() && !resolveDataAttribute(reference, isFcda, doTypeId, text)) {
        inner = wrap(text);
        return false;
    }
    return true;
}

bool XmlCheck::Run::resolveDataObject(const XmlObject *ln, const QString &doName, const QString &owner,
                                      QString &doTypeId, QString &inner) const
{
    const QStringList parts = doName.split(QLatin1Char('.'));
    const XmlObject *lnodeType = lnodeTypeByKey.value(attr(ln, "lnType") + QLatin1Char('/') + attr(ln, "lnClass"));
    const XmlObject *dataObject = lnodeType ? lnodeType->findChild(QStringLiteral("DO"), QStringLiteral("name"), parts.first())
                                            : nullptr;
    if (!dataObject) {
        inner = tr("%1's doName = %2 invalid reference!").arg(owner, doName);
        return false;
    }
    doTypeId = attr(dataObject, "type");
    for (int i = 1; i < parts.size(); ++i) {
        const XmlObject *doType = doTypeById.value(doTypeId);
        const XmlObject *next = nullptr;
        for (const XmlObject *child : doType ? doType->children : QList<XmlObject *>()) {
            if (attr(child, "name") == parts.at(i) && !attr(child, "type").isEmpty()) {
                next = child;
                break;
            }
        }
        if (!next) {
            inner = tr("%1's doName = %2's SDO = %3 invalid reference!").arg(owner, doName, parts.at(i));
            return false;
        }
        doTypeId = attr(next, "type");
    }
    return true;
}

bool XmlCheck::Run::resolveDataAttribute(const XmlObject *reference, bool isFcda, const QString &doTypeId,
                                         QString &inner) const
{
    const QString owner = isFcda ? QStringLiteral("FCDA") : QStringLiteral("ExtRef");
    const QString daName = attr(reference, "daName");
    const QStringList parts = daName.split(QLatin1Char('.'));
    const XmlObject *doType = doTypeById.value(doTypeId);
    const XmlObject *dataAttribute = nullptr;
    for (const XmlObject *child : doType ? doType->children : QList<XmlObject *>()) {
        if (child->name == QLatin1String("DA") && attr(child, "name") == parts.first()
                && (!isFcda || attr(child, "fc") == attr(reference, "fc"))) {
            dataAttribute = child;
            break;
        }
    }
    if (!dataAttribute) {
        inner = tr("%1's daName = %2 invalid reference!").arg(owner, daName);
        return false;
    }
    QString type = attr(dataAttribute, "type");
    if (parts.size() > 1 && type.isEmpty()) {
        inner = tr("%1's daName = %2's DA name = %3 fc = %4 type = %5 invalid reference!")
                .arg(owner, daName, parts.first(), attr(dataAttribute, "fc"), type);
        return false;
    }
    for (int i = 1; i < parts.size(); ++i) {
        const XmlObject *daType = daTypeById.value(type);
        const XmlObject *bda = daType ? daType->findChild(QStringLiteral("BDA"), QStringLiteral("name"), parts.at(i)) : nullptr;
        if (!bda) {
            inner = tr("%1's daName = %2's BDA = %3 invalid reference!").arg(owner, daName, parts.at(i));
            return false;
        }
        type = attr(bda, "type");
    }
    return true;
}

bool XmlCheck::Run::checkInstancePath(const XmlObject *element, QString &path, QString &inner) const
{
    QList<const XmlObject *> levels;
    const XmlObject *doi = element;
    while (doi && doi->name != QLatin1String("DOI")) {
        levels.prepend(doi);
        doi = doi->parent;
    }
    if (!doi) {
        inner = tr("SDI name = %1 not found any parent!").arg(attr(element, "name"));
        return false;
    }
    path = tr("DOI name = %1 ").arg(attr(doi, "name"));
    const XmlObject *lnodeType = schema->lnodeTypeIndex.value(attr(doi->parent, "lnType") + QLatin1Char('/')
                                                              + attr(doi->parent, "lnClass"));
    const XmlObject *dataObject = lnodeType ? lnodeType->index.value(attr(doi, "name")) : nullptr;
    QString type = attr(dataObject, "type");
    for (const XmlObject *level : qAsConst(levels)) {
        const XmlObject *typeElement = schema->doTypeIndex.value(type);
        if (!typeElement)
            typeElement = schema->daTypeIndex.value(type);
        const XmlObject *member = typeElement ? typeElement->index.value(attr(level, "name")) : nullptr;
        if (!member) {
            inner = tr("%1 name = %2 invalid reference").arg(level->name, attr(level, "name"));
            return false;
        }
        path += tr("%1 name = %2 ").arg(level->name, attr(level, "name"));
        type = attr(member, "type");
    }
    return true;
}

XmlCheck *XmlCheck::instance()
{
    static XmlCheck check;
    return &check;
}

XmlCheck::XmlCheck() = default;
XmlCheck::~XmlCheck() = default;

void XmlCheck::setRecorder(Recorder recorder)
{
    m_recorder = std::move(recorder);
}

void XmlCheck::report(QtMsgType type, const QString &text, const XmlObject *element)
{
    if (type == QtWarningMsg)
        qWarning().noquote() << text;
    else
        qDebug().noquote() << text;
    if (m_recorder)
        m_recorder(type, text, element);
}

bool XmlCheck::semanticValidate(const QList<XmlObject *> &roots, Progress *progress)
{
    semanticResult = true;
    visited = 0;
    Run run(*this, roots, progress);
    for (XmlObject *root : roots)
        run.semanticObjectValidate(root);
    run.meter.finish();
    return semanticResult;
}

void XmlCheck::indexLogicalNodes(XmlObject *element)
{
    if (element->name == QLatin1String("LN") || element->name == QLatin1String("LN0"))
        lnIndex.insert(attr(element, "lnType") + QLatin1Char('/') + attr(element, "lnClass"), element);
    for (XmlObject *child : qAsConst(element->children))
        indexLogicalNodes(child);
}

void XmlCheck::indexDocument(const QList<XmlObject *> &roots)
{
    XmlSchema *schema = XmlSchema::instance();
    schema->clearDataTemplates();
    clearLogicalNodes();
    for (XmlObject *root : roots) {
        if (root->name != QLatin1String("SCL"))
            continue;
        if (XmlObject *templates = root->findChild(QStringLiteral("DataTypeTemplates")))
            schema->setDataTemplates(templates);
        for (XmlObject *child : qAsConst(root->children)) {
            if (child->name == QLatin1String("IED"))
                indexLogicalNodes(child);
        }
    }
}

void XmlCheck::clearLogicalNodes()
{
    lnIndex.clear();
}

void XmlCheck::removeFromDocument(SclDocument &document, XmlObject *type)
{
    const QString id = attr(type, "id");
    document.execute(std::make_unique<RemoveCommand>(type, tr("delete %1 %2").arg(type->name, id)));
    report(QtDebugMsg, tr("Modify record: %1 = %2 deleted successfully.").arg(type->name, id), type);
}

namespace {

// How many live types refer to each id, so that a deletion updates the
// answer at once instead of every type searching all others again.
class UseCounts
{
public:
    void add(const QSet<QString> &ids, int delta)
    {
        for (const QString &id : ids)
            m_counts[id] += delta;
    }
    bool used(const QString &id) const { return m_counts.value(id) > 0; }

private:
    QHash<QString, int> m_counts;
};

QSet<QString> enumUses(const XmlObject *type)
{
    QSet<QString> ids;
    for (const XmlObject *child : type->children) {
        if (attr(child, "bType") == QLatin1String("Enum"))
            ids.insert(attr(child, "type"));
    }
    return ids;
}

} // namespace

bool XmlCheck::checkTemplate(SclDocument &document, Progress *progress)
{
    templateResult = true;
    // The users and the types are taken from the document as it is now.
    indexDocument(document.roots());
    // Every deletion of one run is one step to undo.
    document.beginMacro(tr("delete unused types"));
    const auto endStep = qScopeGuard([&] { document.endMacro(); });
    XmlSchema *schema = XmlSchema::instance();
    ProgressMeter meter(progress, schema->templateOwner ? schema->templateOwner->children.size() : 0);
    qint64 looked = 0;
    const auto lookAt = [&] { meter.advance(++looked); };
    const auto unused = [&](XmlObject *type, const QString &line) {
        report(QtWarningMsg, line.arg(attr(type, "id")), type);
        templateResult = false;
        removeFromDocument(document, type);
    };

    // Types refer to each other through the keys of their child index.
    UseCounts doTypeUsers, daTypeUsers, enumUsers;
    for (const XmlObject *type : schema->definitions(QStringLiteral("LNodeType")))
        doTypeUsers.add(indexKeys(type), 1);
    for (const XmlObject *type : schema->definitions(QStringLiteral("DOType"))) {
        doTypeUsers.add(indexKeys(type), 1);
        daTypeUsers.add(indexKeys(type), 1);
        enumUsers.add(enumUses(type), 1);
    }
    for (const XmlObject *type : schema->definitions(QStringLiteral("DAType"))) {
        daTypeUsers.add(indexKeys(type), 1);
        enumUsers.add(enumUses(type), 1);
    }

    report(QtWarningMsg, tr("[DataTypeTemplates check]Check LNodeType ......"));
    for (XmlObject *type : schema->definitions(QStringLiteral("LNodeType"))) {
        lookAt();
        if (lnIndex.contains(XmlSchema::lnodeTypeKey(type)))
            continue;
        doTypeUsers.add(indexKeys(type), -1);
        unused(type, tr("[DataTypeTemplates check]LNodeType id = %1 unused, this LNodeType will be deleted."));
    }
    report(QtWarningMsg, tr("[DataTypeTemplates check]Check DOType ......"));
    for (XmlObject *type : schema->definitions(QStringLiteral("DOType"))) {
        lookAt();
        if (doTypeUsers.used(attr(type, "id")))
            continue;
        doTypeUsers.add(indexKeys(type), -1);
        daTypeUsers.add(indexKeys(type), -1);
        enumUsers.add(enumUses(type), -1);
        unused(type, tr("[DataTypeTemplates check]DOType id = %1 unused, this DOType will be deleted."));
    }
    report(QtWarningMsg, tr("[DataTypeTemplates check]Check DAType ......"));
    for (XmlObject *type : schema->definitions(QStringLiteral("DAType"))) {
        lookAt();
        if (daTypeUsers.used(attr(type, "id")))
            continue;
        daTypeUsers.add(indexKeys(type), -1);
        enumUsers.add(enumUses(type), -1);
        unused(type, tr("[DataTypeTemplates check]DAType id = %1 unused, this DAType will be deleted."));
    }
    report(QtWarningMsg, tr("[DataTypeTemplates check]Check EnumType ......"));
    for (XmlObject *type : schema->definitions(QStringLiteral("EnumType"))) {
        lookAt();
        if (enumUsers.used(attr(type, "id")))
            continue;
        unused(type, tr("[DataTypeTemplates check]EnumType id = %1 unused, this EnumType will be deleted."));
    }
    meter.finish();
    return templateResult;
}
