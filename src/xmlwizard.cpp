#include "xmlwizard.h"

#include "childplacement.h"
#include "insertcommand.h"
#include "kestrel.h"
#include "scldocument.h"
#include "xmlobject.h"
#include "xmlwizardcheck.h"
#include "xmlwizardconnectedaps.h"
#include "xmlwizarddatatypetemplates.h"
#include "xmlwizardfinish.h"
#include "xmlwizardload.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QDebug>

#include <utility>

namespace {

bool holdsControlBlock(const XmlObject *element)
{
    for (const XmlObject *child : element->children) {
        if (child->name == QLatin1String("ReportControl") || child->name == QLatin1String("GSEControl")
            || child->name == QLatin1String("SampledValueControl") || holdsControlBlock(child))
            return true;
    }
    return false;
}

void collectAccessPoints(XmlObject *element, QList<XmlObject *> &accessPoints)
{
    for (XmlObject *child : element->children) {
        if (child->name == QLatin1String("AccessPoint") && holdsControlBlock(child))
            accessPoints.append(child);
        collectAccessPoints(child, accessPoints);
    }
}

} // namespace

XmlWizard::XmlWizard(Kestrel *window, QWidget *parent)
    : QWizard(parent),
      mainWindow(window)
{
    setObjectName(QStringLiteral("XmlWizard"));
    resize(700, 600);
    setWindowIcon(QIcon(QStringLiteral(":/Kestrel/kestrel")));
    setSizeGripEnabled(false);
    setWizardStyle(QWizard::ClassicStyle);
    setWindowTitle(tr("Import ICD file Wizard"));
    addPage(new XmlWizardLoad(this));
    addPage(new XmlWizardCheck(this));
    setStartId(0);
}

XmlWizard::~XmlWizard()
{
    releaseIcdDocument();
}

XmlObject *XmlWizard::firstIed(const QList<XmlObject *> &roots)
{
    const QString ied = QStringLiteral("IED");
    for (XmlObject *root : roots) {
        if (root->name == ied)
            return root;
        if (XmlObject *found = root->findDescendant(ied))
            return found;
    }
    return nullptr;
}

QList<XmlObject *> XmlWizard::scdRoots() const
{
    return mainWindow->document();
}

UserPrompt *XmlWizard::prompt() const
{
    return mainWindow->userPrompt();
}

void XmlWizard::setIcdDocument(const QList<XmlObject *> &roots, const QString &path)
{
    // The pages of an earlier load point into the document that goes now.
    removeFilePages();
    qDeleteAll(icdRoots);
    icdRoots = roots;
    loadedFile = path;
    pagesDirty = true;
}

void XmlWizard::releaseIcdDocument()
{
    removeFilePages();
    qDeleteAll(icdRoots);
    icdRoots.clear();
}

void XmlWizard::removeFilePages()
{
    QList<int> ids = apsPageIds;
    ids << templatesPageId << finishPageId;
    for (int id : ids) {
        if (QWizardPage *generated = id >= 0 ? page(id) : nullptr) {
            removePage(id);
            delete generated; // takes the connected access points it prepared with it
        }
    }
    apsPageIds.clear();
    templatesPageId = -1;
    finishPageId = -1;
    pagesDirty = true;
}

void XmlWizard::commitOpenEditor(QAbstractItemView *view)
{
    // Leaving the current cell commits the editor open there, as a click on
    // another cell does; widgets a page put into cells stay.
    QItemSelectionModel *selection = view->selectionModel();
    const QModelIndex current = selection->currentIndex();
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

void XmlWizard::buildFilePages()
{
    if (!pagesDirty)
        return;
    removeFilePages();
    QList<XmlObject *> accessPoints;
    if (!icdRoots.isEmpty())
        collectAccessPoints(icdRoots.first(), accessPoints);
    for (XmlObject *accessPoint : accessPoints)
        apsPageIds.append(addPage(new XmlWizardConnectedAPS(this, accessPoint)));
    templatesPageId = addPage(new XmlWizardDataTypeTemplates(this));
    finishPageId = addPage(new XmlWizardFinish(this));
    pagesDirty = false;
}

QList<XmlWizardConnectedAPS *> XmlWizard::accessPointPages() const
{
    QList<XmlWizardConnectedAPS *> pages;
    for (int id : apsPageIds)
        pages.append(static_cast<XmlWizardConnectedAPS *>(page(id)));
    return pages;
}

void XmlWizard::accept()
{
    SclDocument *document = mainWindow->sclDocument();
    const XmlObject *ied = firstIed(icdRoots);
    // The whole import is one step to undo.
    document->beginMacro(tr("import IED %1").arg(ied ? ied->attribute(QStringLiteral("name")) : QString()));
    addConnectAps();
    addDataTypeTemplates();
    addIed();
    document->endMacro();
    QWizard::accept();
}

void XmlWizard::reject()
{
    close();
    QWizard::reject();
}

void XmlWizard::closeEvent(QCloseEvent *event)
{
    releaseIcdDocument();
    QWizard::closeEvent(event);
}

void XmlWizard::addIed()
{
    XmlObject *ied = firstIed(icdRoots);
    const QList<XmlObject *> scd = scdRoots();
    if (!ied || scd.isEmpty())
        return;
    if (ied->parent)
        ied->parent->children.removeOne(ied);
    else
        icdRoots.removeOne(ied);
    ied->parent = nullptr;
    XmlObject *root = scd.first();
    const int position = ChildPlacement::positionIn(root, ied->name);
    mainWindow->sclDocument()->execute(std::make_unique<InsertCommand>(root, position, ied));
    qDebug().noquote() << tr("Modify record: Import ICD file, add IED = %1 - %2.")
                          .arg(ied->attribute(QStringLiteral("name")), ied->attribute(QStringLiteral("desc")));
}

void XmlWizard::addConnectAps()
{
    for (XmlWizardConnectedAPS *accessPointPage : accessPointPages()) {
        for (XmlObject *connectedAp : accessPointPage->takeConnectedAps()) {
            XmlObject *subNetwork = connectedAp->parent;
            const int position = ChildPlacement::positionIn(subNetwork, connectedAp->name);
            mainWindow->sclDocument()->execute(std::make_unique<InsertCommand>(subNetwork, position, connectedAp));
            qDebug().noquote() << tr("Modify record: Import ICD file, Add ConnectedAP = %1 - %2.")
                                  .arg(connectedAp->attribute(QStringLiteral("iedName")),
                                       connectedAp->attribute(QStringLiteral("apName")));
        }
    }
}

void XmlWizard::addDataTypeTemplates()
{
    const QList<XmlObject *> scd = scdRoots();
    if (scd.isEmpty())
        return;
    XmlObject *root = scd.first();
    XmlObject *dataTypeTemplates = root->findChild(QStringLiteral("DataTypeTemplates"));
    if (!dataTypeTemplates) {
        // Without it the imported IED would refer to types the file does not hold.
        dataTypeTemplates = new XmlObject;
        dataTypeTemplates->name = QStringLiteral("DataTypeTemplates");
        const int position = ChildPlacement::positionIn(root, dataTypeTemplates->name);
        mainWindow->sclDocument()->execute(std::make_unique<InsertCommand>(root, position, dataTypeTemplates));
        qDebug().noquote() << tr("Modify record: Import ICD file, add DataTypeTemplates.");
    }
    addNodeTypes(dataTypeTemplates);
    addDoTypes(dataTypeTemplates);
    addDaTypes(dataTypeTemplates);
    addEnumTypes(dataTypeTemplates);
}

void XmlWizard::addEnumTypes(XmlObject *dataTypeTemplates)
{
    templates.addTypes(*mainWindow->sclDocument(), XmlTemplateMerge::EnumTypeKind, dataTypeTemplates);
}

void XmlWizard::addDaTypes(XmlObject *dataTypeTemplates)
{
    templates.addTypes(*mainWindow->sclDocument(), XmlTemplateMerge::DATypeKind, dataTypeTemplates);
}

void XmlWizard::addDoTypes(XmlObject *dataTypeTemplates)
{
    templates.addTypes(*mainWindow->sclDocument(), XmlTemplateMerge::DOTypeKind, dataTypeTemplates);
}

void XmlWizard::addNodeTypes(XmlObject *dataTypeTemplates)
{
    // The imported logical nodes must name a prefixed type by its new id. One
    // pass renames them all; a second could rename a renamed one again.
    bool altered = false;
    templates.addTypes(*mainWindow->sclDocument(), XmlTemplateMerge::LNodeTypeKind, dataTypeTemplates,
                       [this, &altered](const TypeRevision &) {
                           if (!std::exchange(altered, true))
                               alterIed(icdRoots);
                       });
}

void XmlWizard::alterIed(const QList<XmlObject *> &elements)
{
    for (XmlObject *element : elements) {
        if (element->name == QLatin1String("LN0") || element->name == QLatin1String("LN")) {
            for (const TypeRevision &record : templates.records(XmlTemplateMerge::LNodeTypeKind)) {
                if (record.operation != TypeRevision::Prefix
                    || element->attribute(QStringLiteral("lnType")) != record.id
                    || element->attribute(QStringLiteral("lnClass")) != record.lnClass)
                    continue;
                const QString newId = record.type->attribute(QStringLiteral("id"));
                element->attributes.insert(QStringLiteral("lnType"), newId);
                qDebug().noquote() << tr("Modify record: Import ICD file, alter LN %1 to %2.").arg(record.id, newId);
                break;
            }
        }
        alterIed(element->children);
    }
}
