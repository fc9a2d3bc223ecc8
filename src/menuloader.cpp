#include "menuloader.h"

#include "attribute.h"
#include "childplacement.h"
#include "dlgproperty.h"
#include "dlgxmlview.h"
#include "insertcommand.h"
#include "kestrel.h"
#include "movecommand.h"
#include "removecommand.h"
#include "renameengine.h"
#include "scldocument.h"
#include "siblingkeys.h"
#include "userprompt.h"
#include "xmlobject.h"
#include "xmlschema.h"
#include "xmltreeitem.h"
#include "xmlwizard.h"
#include "xscomplex.h"
#include "xsattrib.h"
#include "xselement.h"
#include "xschoice.h"
#include "xscontent.h"
#include "xsextension.h"

#include <QDebug>
#include <QMenu>

namespace {

const QStringList &fixedSections()
{
    static const QStringList names = {"SCL", "Header", "Substation", "Communication", "DataTypeTemplates"};
    return names;
}

QString declaredName(const XsElement *declaration)
{
    return declaration->name.isEmpty() ? declaration->ref : declaration->name;
}

// A declaration may repeat when it says so, or when it stands in a choice
// that does: a DOType holds any number of DA and SDO elements that way.
bool repeatable(const XsComplex *type, const XsElement *declaration)
{
    if (!declaration->maxOccurs.isEmpty())
        return true;
    for (const XsComplex *t = type; t && t->content && t->content->extension;
         t = XmlSchema::instance()->complexType(t->content->extension->base)) {
        const XsChoice *choice = t->content->extension->choice;
        if (choice && choice->elements.contains(const_cast<XsElement *>(declaration)) && !choice->maxOccurs.isEmpty())
            return true;
        if (t == XmlSchema::instance()->complexType(t->content->extension->base))
            break;
    }
    return false;
}

// The siblings that count for moving: IEDs move among IEDs only.
QList<XmlObject *> movableSiblings(const XmlObject *element)
{
    QList<XmlObject *> siblings;
    if (!element->parent)
        return siblings;
    for (XmlObject *sibling : element->parent->children) {
        if (element->name != QLatin1String("IED") || sibling->name == QLatin1String("IED"))
            siblings.append(sibling);
    }
    return siblings;
}

} // namespace

MenuLoader *MenuLoader::instance(Kestrel *mainWindow)
{
    static MenuLoader *loader = nullptr;
    if (!loader) {
        loader = new MenuLoader(mainWindow);
        // The window owns the loader; forget it when the window goes.
        connect(loader, &QObject::destroyed, [] { loader = nullptr; });
    }
    return loader;
}

MenuLoader::MenuLoader(Kestrel *mainWindow)
    : QObject(mainWindow), mainWindow(mainWindow)
{
}

MenuLoader::~MenuLoader()
{
    delete clipboard;
}

void MenuLoader::setCurrentItem(XmlTreeItem *item)
{
    currentItem = item;
    currentSerial = item ? item->serial() : 0;
}

XmlTreeItem *MenuLoader::currentTreeItem() const
{
    return XmlTreeItem::isAlive(currentItem, currentSerial) ? currentItem : nullptr;
}

XmlObject *MenuLoader::currentElement() const
{
    XmlTreeItem *item = currentTreeItem();
    return item ? item->element() : nullptr;
}

QList<MenuLoader::Entry> MenuLoader::menuEntries(const XmlObject *element) const
{
    QList<Entry> entries;
    const bool root = element->name == QLatin1String("SCL");
    if (root) {
        entries.append({tr("Paste"), ":/Kestrel/paste"});
    } else {
        entries += {{tr("View"), ":/Kestrel/xml"}, {QString(), QString()},
                    {tr("Copy"), ":/Kestrel/copy"}, {tr("Cut"), ":/Kestrel/cut"},
                    {tr("Paste"), ":/Kestrel/paste"}, {tr("Delete"), ":/Kestrel/delete"}};
    }
    if (RenameEngine::isNamed(element))
        entries.append({tr("Where used"), ":/Kestrel/whereused"});
    if (!fixedSections().contains(element->name))
        entries += {{QString(), QString()}, {tr("Up"), ":/Kestrel/up"}, {tr("Down"), ":/Kestrel/down"}};
    entries.append({QString(), QString()});
    if (const XsComplex *type = XmlSchema::instance()->complexTypeOf(element->name)) {
        for (const XsElement *declaration : type->allElements()) {
            if (!declaredName(declaration).isEmpty())
                entries.append({tr("Insert") + QLatin1Char(' ') + declaredName(declaration), ":/Kestrel/insert"});
        }
    }
    if (root)
        entries += {{QString(), QString()}, {tr("Import ICD file"), ":/Kestrel/import"}};
    return entries;
}

QMenu *MenuLoader::createMenu(XmlObject *element, XmlTreeItem *item)
{
    setCurrentItem(item);
    auto *menu = new QMenu;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const Entry &entry : menuEntries(element)) {
        if (entry.text.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(QIcon(entry.icon), entry.text);
        action->setEnabled(isEnabled(entry.text));
        const QString command = QString(entry.text).remove(tr("Insert"));
        connect(action, &QAction::triggered, this, [this, command] { slotMapped(command); });
    }
    return menu;
}

bool MenuLoader::isEnabled(const QString &text) const
{
    XmlTreeItem *item = currentTreeItem();
    XmlObject *element = currentElement();
    if (text == tr("Copy") || text == tr("Cut") || text == tr("Delete"))
        return item && item->parent() && element;
    if (text == tr("Up"))
        return element && canMoveUp(element);
    if (text == tr("Down"))
        return element && canMoveDown(element);
    if (text == tr("Paste"))
        return clipboard != nullptr;
    const QString insert = tr("Insert") + QLatin1Char(' ');
    if (text.startsWith(insert))
        return canInsert(item, text.mid(insert.size()));
    return true;
}

bool MenuLoader::canMoveUp(const XmlObject *element) const
{
    const QList<XmlObject *> siblings = movableSiblings(element);
    return siblings.size() >= 2 && siblings.first() != element;
}

bool MenuLoader::canMoveDown(const XmlObject *element) const
{
    const QList<XmlObject *> siblings = movableSiblings(element);
    return siblings.size() >= 2 && siblings.last() != element;
}

bool MenuLoader::canInsert(XmlTreeItem *item, const QString &childName) const
{
    const XmlObject *element = item ? item->element() : nullptr;
    if (!element)
        return false;
    const XsComplex *type = XmlSchema::instance()->complexTypeOf(element->name);
    if (!type)
        return true;
    for (const XsElement *declaration : type->allElements()) {
        // No maxOccurs written means at most one.
        if (declaredName(declaration) == childName && !repeatable(type, declaration))
            return !element->findChild(childName);
    }
    return true;
}

void MenuLoader::slotMapped(const QString &text)
{
    if (text == tr("Import ICD file")) {
        if (mainWindow->document().isEmpty())
            return;
        XmlWizard wizard(mainWindow);
        wizard.exec();
        return;
    }
    XmlObject *element = currentElement();
    if (!element)
        return; // the item went away while the menu was open
    if (text == tr("View")) {
        DlgXmlView view(element);
        view.exec();
    } else if (text == tr("Copy")) {
        onCopy();
    } else if (text == tr("Cut")) {
        onCut();
    } else if (text == tr("Paste")) {
        onPaste();
    } else if (text == tr("Delete")) {
        onDelete();
    } else if (text == tr("Where used")) {
        mainWindow->showWhereUsed(element);
    } else if (text == tr("Up")) {
        onUp();
    } else if (text == tr("Down")) {
        onDown();
    } else {
        onInsertNode(text.trimmed());
    }
}

void MenuLoader::onCopy()
{
    XmlObject *element = currentElement();
    if (!element)
        return;
    delete clipboard;
    clipboard = new XmlObject(*element);
    qDebug().noquote() << tr("Copy %1 successfully.").arg(element->name);
}

void MenuLoader::onCut()
{
    XmlObject *element = currentElement();
    if (!element || !element->parent)
        return;
    delete clipboard;
    clipboard = new XmlObject(*element);
    setCurrentItem(nullptr);
    document()->execute(std::make_unique<RemoveCommand>(element, tr("cut %1").arg(EditCommand::nameOf(element))));
    qDebug().noquote() << tr("Modify record: Cut %1 successfully.").arg(element->name);
}

void MenuLoader::onPaste()
{
    XmlTreeItem *item = currentTreeItem();
    XmlObject *target = currentElement();
    const XsComplex *type = target ? XmlSchema::instance()->complexTypeOf(target->name) : nullptr;
    if (!clipboard || !type)
        return;
    for (const XsElement *declaration : type->allElements()) {
        if (declaredName(declaration) != clipboard->name)
            continue;
        XmlObject *pasted = clipboard;
        clipboard = new XmlObject(*pasted);
        if (!preparePaste(item, pasted)) {
            delete pasted;
            continue;
        }
        const int at = ChildPlacement::positionIn(target, pasted->name);
        document()->execute(std::make_unique<InsertCommand>(target, at, pasted));
        qDebug().noquote() << tr("Modify record: Paste %1 successfully.").arg(pasted->name);
        return;
    }
    mainWindow->userPrompt()->warn(nullptr, tr("Message"),
                                   tr("Can't copy [%1] under [%2].").arg(clipboard->name, target->name));
}

bool MenuLoader::preparePaste(XmlTreeItem *item, XmlObject *pasted) const
{
    if (!canInsert(item, pasted->name))
        return false;
    const XmlObject *target = item->element();
    // A sub-network pasted among others says that it is the new one.
    const QString name = QStringLiteral("name");
    if (pasted->name == QLatin1String("SubNetwork") && !target->children.isEmpty())
        pasted->attributes.insert(name, pasted->attribute(name) + QLatin1String("_New"));
    for (const KeyChange &change : SiblingKeys::makeUnique(target, pasted)) {
        qDebug().noquote() << tr("Modify record: Paste %1 as %2 = %3: %4 is taken.")
                              .arg(pasted->name, change.attribute, change.to, change.from);
    }
    return true;
}

void MenuLoader::onDelete()
{
    XmlObject *element = currentElement();
    if (!element || !element->parent)
        return;
    const QString question = tr("Do you really want to delete [%1] ?").arg(element->label())
            + danglingWarning(mainWindow->referencesTo(element));
    if (!mainWindow->userPrompt()->confirm(nullptr, tr("Message"), question))
        return;
    delete clipboard;
    clipboard = nullptr;
    setCurrentItem(nullptr);
    document()->execute(std::make_unique<RemoveCommand>(element, tr("delete %1").arg(EditCommand::nameOf(element))));
    qDebug().noquote() << tr("Modify record: Delete %1 successfully.").arg(element->name);
}

void MenuLoader::onUp()
{
    move(-1);
}

void MenuLoader::onDown()
{
    move(1);
}

void MenuLoader::move(int offset)
{
    XmlObject *element = currentElement();
    if (!element || !element->parent)
        return;
    if (offset < 0 ? !canMoveUp(element) : !canMoveDown(element))
        return;
    // IEDs move among IEDs: past the other elements to the next IED.
    const QList<XmlObject *> siblings = movableSiblings(element);
    const XmlObject *neighbour = siblings.at(siblings.indexOf(element) + offset);
    const int to = element->parent->children.indexOf(const_cast<XmlObject *>(neighbour));
    const QString text = offset < 0 ? tr("move up %1").arg(EditCommand::nameOf(element))
                                    : tr("move down %1").arg(EditCommand::nameOf(element));
    document()->execute(std::make_unique<MoveCommand>(element, to, text));
    qDebug().noquote() << (offset < 0 ? tr("Modify record: %1 move up.") : tr("Modify record: %1 move down."))
                          .arg(element->name);
}

void MenuLoader::onInsertNode(const QString &name)
{
    XmlObject *target = currentElement();
    if (!target)
        return;
    QList<PropertyRow> rows;
    if (const XsComplex *type = XmlSchema::instance()->complexTypeOf(name)) {
        for (const XsAttrib *declaration : type->allAttributes()) {
            // A fixed value is filled in; a fixed empty one cannot count as missing.
            const bool required = declaration->use == QLatin1String("required")
                    && !(declaration->hasFixed && declaration->fixed.isEmpty());
            rows.append({declaration->name, declaration->type, declaration->fixed, required ? 0 : 1});
        }
    }
    const bool hasText = name == QLatin1String("P") || name == QLatin1String("Val");
    const bool hasValueRow = std::any_of(rows.begin(), rows.end(), [](const PropertyRow &row) {
        return row.name == QLatin1String("value");
    });
    if (hasText && !hasValueRow)
        rows.append({QStringLiteral("value"), QString(), QString(), 0});

    auto *element = new XmlObject;
    element->name = name;
    if (!rows.isEmpty()) {
        DlgProperty dialog(target, rows, name);
        dialog.setWindowTitle(QStringLiteral("%1 - %2").arg(dialog.windowTitle(), name));
        if (dialog.exec() != QDialog::Accepted) {
            delete element;
            return;
        }
        const QMap<QString, QString> values = dialog.values();
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            element->attributes.insert(it.key(), it.value());
        element->value = dialog.valueText();
        if (!element->value.isEmpty())
            element->attributes.insert(QStringLiteral("value"), element->value.trimmed());
    }
    if (name == QLatin1String("LN") || name == QLatin1String("LN0")) {
        XmlSchema *schema = XmlSchema::instance();
        if (const XmlObject *lnodeType = schema->findLNodeType(element->attribute(QStringLiteral("lnType")))) {
            for (const XmlObject *dataObject : lnodeType->children) {
                XmlObject *doi = schema->doiObject(dataObject->attribute(QStringLiteral("name")),
                                                   dataObject->attribute(QStringLiteral("type")));
                if (!doi)
                    continue;
                doi->parent = element;
                element->children.append(doi);
            }
        }
    }
    document()->execute(std::make_unique<InsertCommand>(target, ChildPlacement::positionIn(target, name), element));
    qDebug().noquote() << tr("Modify record: Insert %1 successfully.").arg(name);
}

QString MenuLoader::danglingWarning(int references)
{
    if (references == 0)
        return QString();
    return QLatin1Char('\n') + tr("%1 references in the file name it: they will name nothing.").arg(references);
}

SclDocument *MenuLoader::document() const
{
    return mainWindow->sclDocument();
}
