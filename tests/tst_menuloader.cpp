#include "guitestsupport.h"
#include "kestrel.h"
#include "menuloader.h"
#include "userprompt.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xmltreebuilder.h"
#include "xmltreeitem.h"

#include <QtTest>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>


class TestMenuLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuEntries();
    void enabledStates();
    void copyPasteIedNames();
    void pasteSubNetworkKeepsNamesUnique();
    void pasteRefusedWhereTheSchemaForbids();
    void cutAndPasteMovesAnIed();
    void deleteEmptiesTheClipboard();
    void moveChangesTheSavedOrder();
    void insertLn0BuildsInstanceData();
    void commandOnADeadItemDoesNothing();

private:
    MenuLoader *loader() const { return MenuLoader::instance(window); }
    XmlObject *root() const { return window->document().first(); }
    XmlTreeItem *itemOf(XmlObject *element);
    QStringList entries(XmlObject *element, bool enabledOnly = false);
    QStringList iedNames() const;

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
};

void TestMenuLoader::initTestCase()
{
    initGuiTests();
}

void TestMenuLoader::init()
{
    m_file = copyFixture(m_dir, "substation.scd", "s.scd");
    m_prompt = openWindow(m_file);
    QVERIFY(!window->document().isEmpty());
}

void TestMenuLoader::cleanup()
{
    closeWindow();
}

XmlTreeItem *TestMenuLoader::itemOf(XmlObject *element)
{
    // Opening the enclosing IED builds the items below it.
    for (XmlObject *e = element; e; e = e->parent) {
        if (e->name == "IED" && e->treeItem)
            XmlTreeBuilder::buildSubtree(e->treeItem);
    }
    return static_cast<XmlTreeItem *>(element->treeItem);
}

QStringList TestMenuLoader::entries(XmlObject *element, bool enabledOnly)
{
    std::unique_ptr<QMenu> menu(loader()->createMenu(element, itemOf(element)));
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (!enabledOnly || action->isEnabled())
            texts.append(action->isSeparator() ? "-" : action->text());
    }
    return texts;
}

QStringList TestMenuLoader::iedNames() const
{
    QStringList names;
    for (const XmlObject *child : root()->children)
        names.append(child->name == "IED" ? child->attribute("name") : child->name);
    return names;
}

void TestMenuLoader::menuEntries()
{
    const QStringList rootMenu = entries(root());
    QCOMPARE(rootMenu.mid(0, 2), QStringList({"Paste", "-"}));
    QCOMPARE(rootMenu.mid(rootMenu.size() - 2), QStringList({"-", "Import ICD file"}));
    for (const char *insert : {"Insert Header", "Insert Substation", "Insert Communication", "Insert IED",
                               "Insert DataTypeTemplates"})
        QVERIFY2(rootMenu.contains(insert), insert);
    for (const char *absent : {"View", "Copy", "Cut", "Delete", "Up", "Down"})
        QVERIFY2(!rootMenu.contains(absent), absent);

    for (const char *section : {"Header", "Substation", "Communication", "DataTypeTemplates"}) {
        const QStringList menu = entries(root()->findChild(section));
        QCOMPARE(menu.mid(0, 6), QStringList({"View", "-", "Copy", "Cut", "Paste", "Delete"}));
        QVERIFY2(!menu.contains("Up") && !menu.contains("Down"), section);
    }
    const QStringList ldevice = entries(root()->findDescendant("LDevice"));
    QCOMPARE(ldevice.mid(0, 10), QStringList({"View", "-", "Copy", "Cut", "Paste", "Delete", "-", "Up", "Down", "-"}));
    QVERIFY(ldevice.contains("Insert LN0") && ldevice.contains("Insert LN"));
}

void TestMenuLoader::enabledStates()
{
    const QStringList rootEnabled = entries(root(), true);
    QVERIFY(!rootEnabled.contains("Insert Header")); // one Header only, and there is one
    QVERIFY(rootEnabled.contains("Insert IED"));
    QVERIFY(!rootEnabled.contains("Paste"));

    QList<XmlObject *> ieds;
    for (XmlObject *child : root()->children) {
        if (child->name == "IED")
            ieds.append(child);
    }
    QVERIFY(ieds.size() >= 2);
    QVERIFY(!entries(ieds.first(), true).contains("Up")); // Communication before it does not count
    QVERIFY(entries(ieds.first(), true).contains("Down"));
    QVERIFY(!entries(ieds.last(), true).contains("Down")); // nor DataTypeTemplates after it
    QVERIFY(entries(ieds.last(), true).contains("Up"));

    // A DOType takes any number of DA and SDO children (an unbounded choice), a DOI any number of DAI.
    XmlObject *doType = root()->findChild("DataTypeTemplates")->findChild("DOType");
    QVERIFY(doType->findChild("DA"));
    QVERIFY(entries(doType, true).contains("Insert DA"));
    QVERIFY(entries(doType, true).contains("Insert SDO"));
    XmlObject *doi = root()->findDescendant("DOI");
    QVERIFY(entries(doi, true).contains("Insert DAI"));
}

void TestMenuLoader::copyPasteIedNames()
{
    XmlObject *ied = root()->findChild("IED");
    const QString name = ied->attribute("name");
    entries(ied);
    loader()->slotMapped("Copy");
    QVERIFY(loader()->clipboardElement());
    entries(root());
    loader()->slotMapped("Paste");
    loader()->slotMapped("Paste");
    const QStringList order = iedNames();
    QCOMPARE(order.mid(order.size() - 3), QStringList({name + "_New", name + "_New_New", "DataTypeTemplates"}));
    QCOMPARE(logged.filter("Modify record: Paste IED successfully.").size(), 2);
    QCOMPARE(root()->children.at(order.size() - 3)->treeItem->text(0).section(' ', 0, 0), name + "_New");
}

void TestMenuLoader::pasteSubNetworkKeepsNamesUnique()
{
    XmlObject *communication = root()->findChild("Communication");
    XmlObject *subNetwork = communication->findChild("SubNetwork");
    const QString name = subNetwork->attribute("name");
    entries(subNetwork);
    loader()->slotMapped("Copy");
    entries(communication);
    loader()->slotMapped("Paste");
    loader()->slotMapped("Paste");
    QStringList names;
    for (const XmlObject *child : communication->children)
        names.append(child->attribute("name"));
    QCOMPARE(names.count(name + "_New"), 1);
    QCOMPARE(names.count(name + "_New_New"), 1);
}

void TestMenuLoader::pasteRefusedWhereTheSchemaForbids()
{
    XmlObject *ln = root()->findDescendant("LN");
    entries(ln);
    loader()->slotMapped("Copy");
    XmlObject *communication = root()->findChild("Communication");
    const int before = communication->children.size();
    entries(communication);
    loader()->slotMapped("Paste");
    QCOMPARE(m_prompt->warnings, QStringList{"Can't copy [LN] under [Communication]."});
    QCOMPARE(communication->children.size(), before);
    XmlObject *device = root()->findDescendant("LDevice");
    entries(device);
    loader()->slotMapped("Paste");
    QCOMPARE(device->children.last()->name, QString("LN"));
    QCOMPARE(device->children.last()->attributes, ln->attributes);
}

void TestMenuLoader::cutAndPasteMovesAnIed()
{
    XmlObject *ied = root()->findChild("IED");
    const QString name = ied->attribute("name");
    const int count = root()->children.size();
    entries(ied);
    loader()->slotMapped("Cut");
    QCOMPARE(root()->children.size(), count - 1);
    QVERIFY(!root()->findChild("IED", "name", name));
    QVERIFY(logged.contains("Modify record: Cut IED successfully."));
    QVERIFY(window->findChild<QAction *>("actionSave")->isEnabled());
    entries(root());
    loader()->slotMapped("Paste");
    // No sibling has the name any more, so it comes back unchanged, before DataTypeTemplates.
    const QStringList order = iedNames();
    QCOMPARE(order.mid(order.size() - 2), QStringList({name, "DataTypeTemplates"}));
}

void TestMenuLoader::deleteEmptiesTheClipboard()
{
    XmlObject *header = root()->findChild("Header");
    entries(header);
    loader()->slotMapped("Copy");
    XmlObject *substation = root()->findChild("Substation");
    entries(substation);
    loader()->slotMapped("Delete");
    QCOMPARE(m_prompt->asked.size(), 1);
    QVERIFY(!root()->findChild("Substation"));
    QVERIFY(!loader()->clipboardElement());
    QVERIFY(!entries(root(), true).contains("Paste"));
    QVERIFY(logged.contains("Modify record: Delete Substation successfully."));
}

void TestMenuLoader::moveChangesTheSavedOrder()
{
    QList<XmlObject *> ieds;
    for (XmlObject *child : root()->children) {
        if (child->name == "IED")
            ieds.append(child);
    }
    const QString first = ieds.at(0)->attribute("name"), second = ieds.at(1)->attribute("name");
    entries(ieds.at(1));
    loader()->slotMapped("Up");
    QVERIFY(logged.contains("Modify record: IED move up."));
    window->findChild<QAction *>("actionSave")->trigger();
    QList<XmlObject *> saved = XmlReader::load(m_file);
    QStringList names;
    for (const XmlObject *child : saved.first()->children) {
        if (child->name == "IED")
            names.append(child->attribute("name"));
    }
    QCOMPARE(names.mid(0, 2), QStringList({second, first}));
    qDeleteAll(saved);
    // The tree shows the new order at once.
    QTreeWidgetItem *top = window->findChild<QTreeWidget *>("xmlTreeWidget")->topLevelItem(0);
    QStringList shown;
    for (int i = 0; i < top->childCount(); ++i) {
        if (static_cast<XmlTreeItem *>(top->child(i))->element()->name == "IED")
            shown.append(top->child(i)->text(0).section(' ', 0, 0));
    }
    QCOMPARE(shown.mid(0, 2).join(','), QStringList({second, first}).join(','));
}

void TestMenuLoader::insertLn0BuildsInstanceData()
{
    XmlObject *device = root()->findDescendant("LDevice");
    XmlObject *existing = device->findChild("LN0");
    const XmlObject *type = XmlSchema::instance()->findLNodeType(existing->attribute("lnType"));
    QVERIFY(type);
    device->children.removeOne(existing); // one LN0 per LDevice: make room for the new one
    window->detachElement(existing);
    entries(device);
    // Fill the property dialog once it is up, and accept it.
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        auto *table = dialog->findChild<QTableWidget *>("tableWidget");
        for (int row = 0; row < table->rowCount(); ++row) {
            const QString name = table->item(row, 0)->text();
            if (name == "lnType")
                table->item(row, 1)->setText(type->attribute("id"));
        }
        QMetaObject::invokeMethod(dialog, "slotOk");
        if (dialog->isVisible())
            dialog->reject();
    });
    poll.start();
    loader()->slotMapped(" LN0");
    XmlObject *ln0 = device->children.last();
    QCOMPARE(ln0->name, QString("LN0"));
    QCOMPARE(ln0->attribute("lnType"), type->attribute("id"));
    QCOMPARE(ln0->attribute("lnClass"), QString("LLN0")); // the fixed values are filled in
    QVERIFY(ln0->attributes.contains("inst"));
    QCOMPARE(ln0->children.size(), type->children.size());
    for (int i = 0; i < type->children.size(); ++i)
        QCOMPARE(ln0->children.at(i)->attribute("name"), type->children.at(i)->attribute("name"));
    const XmlObject *leaf = ln0->findDescendant("Val");
    QVERIFY(leaf);
    QCOMPARE(leaf->value, QString("ToDo"));
    QVERIFY(ln0->treeItem && ln0->children.first()->treeItem);
    QVERIFY(logged.contains("Modify record: Insert LN0 successfully."));
}

void TestMenuLoader::commandOnADeadItemDoesNothing()
{
    XmlObject *ied = root()->findChild("IED");
    entries(ied);
    window->slotClose(); // the items and the document go
    loader()->slotMapped("Copy");
    loader()->slotMapped("Delete");
    loader()->slotMapped(" LN");
    QVERIFY(!loader()->clipboardElement());
    QVERIFY(m_prompt->asked.isEmpty());
}

QTEST_MAIN(TestMenuLoader)
#include "tst_menuloader.moc"
