#include "menuloader.h"
#include "childplacement.h"
#include "dlgproperty.h"
#include "guitestsupport.h"

#include <QDialog>
#include <QDockWidget>

// The tree's context menu, opened with a right click and used with a click
// on its entries.

namespace {

// The children of an element: by name where they have one, else by element name.
QStringList childNames(const XmlObject *parent)
{
    QStringList names;
    for (const XmlObject *child : parent->children)
        names.append(child->attribute("name").isEmpty() ? child->name : child->attribute("name"));
    return names;
}

// What the FCDAs inside element name, as "ldInst/lnClass/lnInst", each once, sorted.
QStringList namedData(const XmlObject *element)
{
    QStringList names;
    for (const XmlObject *c : element->children) {
        names += c->name != "FCDA" ? namedData(c)
                                   : QStringList{QStringList{c->attribute("ldInst"), c->attribute("lnClass"),
                                                             c->attribute("lnInst")}.join('/')};
    }
    names.removeDuplicates();
    names.sort();
    return names;
}

// While it lives, accepts each property dialog that opens, its required values filled in as a user would.
struct DialogFiller : QTimer
{
    DialogFiller()
    {
        connect(this, &QTimer::timeout, this, &DialogFiller::fill);
        start(10);
    }
    void fill()
    {
        auto *dialog = qobject_cast<DlgProperty *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        stop();
        auto *table = dialog->findChild<QTableWidget *>("tableWidget");
        for (int row = 0; row < table->rowCount(); ++row) {
            QTableWidgetItem *cell = table->item(row, 1);
            // Texts for the patterns of names and references; a drop-down takes its last entry.
            for (const char *text : {"X7", "x7", "X/X/X/X"}) {
                if (!cell->text().isEmpty() || !yellow(cell))
                    break;
                QWidget *editor = openEditor(cell);
                if (auto *box = qobject_cast<QComboBox *>(editor))
                    chooseEntry(box, box->itemText(box->count() - 1));
                else
                    typeText(editor, text);
                commitEditor(editor);
            }
        }
        dialog->setUserPrompt(new ScriptedPrompt); // a refusal leaves it open
        QTest::mouseClick(dialog->findChild<QPushButton *>("okBtn"), Qt::LeftButton);
        if (dialog->isVisible())
            dialog->reject();
        start();
    }
};

} // namespace

class TestMenuLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void init();
    void cleanup() { closeWindow(); }
    void menus_data();
    void menus();
    void everyInsertAndPasteKeepsTheSchemaOrder_data();
    void everyInsertAndPasteKeepsTheSchemaOrder();
    void pastePlacesAndRenames_data();
    void pastePlacesAndRenames();
    void pasteRefusedWhereTheSchemaForbids();
    void deleteEmptiesTheClipboard();
    void moveChangesTheSavedOrder();
    void insertLn0BuildsInstanceData();
    void commandOnADeadItemDoesNothing();

private:
    XmlObject *root() const { return window->document().first(); }
    XmlObject *find(const QString &name) const;

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
};

void TestMenuLoader::init()
{
    m_prompt = openCopy(m_dir, KESTREL_TEST_DATA "/good/substation.scd", m_file);
    QVERIFY(m_prompt && !window->document().isEmpty());
}

// "SCL", or the first element of that name, with "name:key=value,key=value" those attributes.
XmlObject *TestMenuLoader::find(const QString &name) const
{
    if (name == "SCL")
        return root();
    QStringList keys;
    QStringList values;
    for (const QString &pair : name.section(':', 1).split(',', Qt::SkipEmptyParts)) {
        keys.append(pair.section('=', 0, 0));
        values.append(pair.section('=', 1));
    }
    return root()->findDescendant(name.section(':', 0, 0), keys, values);
}

void TestMenuLoader::menus_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("enabledOnly");
    QTest::addColumn<QStringList>("leading");
    QTest::addColumn<QStringList>("entries"); // present, or with "!" absent

    const QStringList edits{"View", "-", "Copy", "Cut", "Paste", "Delete"};
    QTest::newRow("root") << "SCL" << false << QStringList{"Paste", "-"}
                          << QStringList{"Insert Header", "Insert IED", "Insert DataTypeTemplates", "Import ICD file",
                                         "!View", "!Copy", "!Cut", "!Delete", "!Up", "!Down"};
    QTest::newRow("root, one Header only, nothing copied") << "SCL" << true << QStringList()
                                                           << QStringList{"Insert IED", "!Insert Header", "!Paste"};
    QTest::newRow("DataTypeTemplates") << "DataTypeTemplates" << false << edits << QStringList{"!Up", "!Down"};
    QTest::newRow("LDevice") << "LDevice" << false << edits + QStringList{"Where used", "-", "Up", "Down", "-"}
                             << QStringList{"Insert LN0", "Insert LN"};
    QTest::newRow("first IED, after Communication") << "IED" << true << QStringList() << QStringList{"Down", "!Up"};
    QTest::newRow("last IED, before DataTypeTemplates") << "IED:name=Q01_MU" << true << QStringList()
                                                        << QStringList{"Up", "!Down"};
    // An unbounded choice takes any number of its elements.
    QTest::newRow("DOType: more DA and SDO") << "DOType" << true << QStringList()
                                             << QStringList{"Insert DA", "Insert SDO"};
}

void TestMenuLoader::menus()
{
    QFETCH(QString, element);
    QFETCH(bool, enabledOnly);
    QFETCH(QStringList, leading);
    QFETCH(QStringList, entries);

    const QStringList shown = menuEntries(openContextMenu(find(element)), enabledOnly);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.mid(0, leading.size()), leading);
    for (const QString &entry : entries)
        QVERIFY2(shown.contains(QString(entry).remove(QRegularExpression("^!"))) != entry.startsWith('!'),
                 qPrintable(entry));
}

void TestMenuLoader::everyInsertAndPasteKeepsTheSchemaOrder_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("elmwood") << KESTREL_TEST_DATA "/e2e/elmwood_ed1.scd";
    QTest::newRow("substation") << KESTREL_TEST_DATA "/good/substation.scd";
}

// Once on an element of each kind: each Insert the menu offers, then its copy pasted on its parent.
void TestMenuLoader::everyInsertAndPasteKeepsTheSchemaOrder()
{
    QFETCH(QString, file);
    closeWindow();
    QVERIFY(openCopy(m_dir, file, m_file));
    // The deepest items stand far to the right: a wide tree shows them.
    window->resize(2400, 1200);
    window->resizeDocks({window->findChild<QDockWidget *>("xmlTreeDockWidget")}, {1600}, Qt::Horizontal);
    QMap<QString, XmlObject *> kinds; // the last of each name, breadth first
    for (QList<XmlObject *> pending{root()}; !pending.isEmpty(); pending.removeFirst()) {
        kinds.insert(pending.first()->name, pending.first());
        pending += pending.first()->children;
    }
    for (XmlObject *element : qAsConst(kinds)) {
        const QStringList entries = menuEntries(openContextMenu(element), true);
        for (const QString &entry : entries.filter(QRegularExpression("^Insert "))) {
            const int before = element->children.size();
            DialogFiller filler;
            QVERIFY(clickEntry(openContextMenu(element), entry));
            QCOMPARE(element->children.size(), before + 1);
            QVERIFY2(ChildPlacement(element->name).firstMisplaced(element) < 0,
                     qPrintable(element->name + ": " + entry));
        }
        XmlObject *parent = element->parent;
        if (parent && clickEntry(openContextMenu(element), "Copy")) {
            QVERIFY(clickEntry(openContextMenu(parent), "Paste"));
            QVERIFY2(ChildPlacement(parent->name).firstMisplaced(parent) < 0, qPrintable("Paste " + element->name));
        }
    }
}

void TestMenuLoader::pastePlacesAndRenames_data()
{
    QTest::addColumn<QStringList>("steps"); // pairs: what is copied ("-": cut), where it goes ("..": its parent)
    QTest::addColumn<QString>("key");       // of the last pasted element: attribute=value
    QTest::addColumn<QString>("next");      // the element after it; empty at the end
    QTest::addColumn<QStringList>("data");  // what its FCDAs name
    const QString trip = "DataSet:name=dsTrip";
    const QString ptoc = "LN:lnClass=PTOC,inst=1";
    const QStringList tripData{"PROT/PTOC/1", "PROT/PTOC/2", "PROT/PTRC/1"};
    QTest::newRow("LNodeType, after the last one") << QStringList{"LNodeType:id=NW_PTOC", ".."} << "id=NW_PTOC_New"
                                                   << "DOType" << QStringList();
    QTest::newRow("DataSet, before the first ReportControl") << QStringList{trip, ".."} << "name=dsTrip_New"
                                                             << "ReportControl" << tripData;
    QTest::newRow("DataSet, into an LN before its DOIs") << QStringList{trip, ptoc} << "name=dsTrip" << "DOI"
                                                         << tripData;
    QTest::newRow("GSEControl, after the last one") << QStringList{"GSEControl:name=gcbTrip", ".."}
                                                    << "name=gcbTrip_New" << "SettingControl" << QStringList();
    QTest::newRow("LDevice, with its own data")
            << QStringList{"LDevice:inst=PROT", ".."} << "inst=PROT_New" << ""
            << QStringList{"PROT_New/GGIO/1", "PROT_New/MMXU/1", "PROT_New/PTOC/1", "PROT_New/PTOC/2",
                           "PROT_New/PTRC/1"};
    QTest::newRow("IED cut, back unchanged before the data types")
            << QStringList{"-IED", ".."} << "name=Q01_PROT" << "DataTypeTemplates"
            << QStringList{"PROT/GGIO/1", "PROT/MMXU/1", "PROT/PTOC/1", "PROT/PTOC/2", "PROT/PTRC/1"};
    // An IED copied and pasted is the end-to-end tests' case; a SubNetwork gets "_New" even where it is free.
    QTest::newRow("SubNetwork, twice") << QStringList{"SubNetwork", "..", "SubNetwork", ".."}
                                       << "name=StationBus_New_New" << "" << QStringList();
    QTest::newRow("LN, a free inst, with its own data") << QStringList{trip, ptoc, ptoc, ".."} << "inst=3" << ""
                                                        << QStringList{"PROT/PTOC/2", "PROT/PTOC/3", "PROT/PTRC/1"};
}

void TestMenuLoader::pastePlacesAndRenames()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, key);
    QFETCH(QString, next);
    QFETCH(QStringList, data);

    XmlObject *copied = nullptr;
    XmlObject *target = nullptr;
    QList<XmlObject *> before;
    for (int i = 0; i < steps.size(); i += 2) {
        const bool cut = steps.at(i).startsWith('-');
        copied = find(steps.at(i).mid(cut ? 1 : 0));
        target = steps.at(i + 1) == ".." ? copied->parent : find(steps.at(i + 1));
        QVERIFY(clickEntry(openContextMenu(copied), cut ? "Cut" : "Copy"));
        before = target->children;
        QVERIFY(clickEntry(openContextMenu(target), "Paste"));
    }
    const QList<XmlObject *> &children = target->children;
    const int at = std::find_if(children.begin(), children.end(), [&](XmlObject *c) { return !before.contains(c); })
            - children.begin();
    QVERIFY(at < children.size());
    const QString attribute = key.section('=', 0, 0);
    QCOMPARE(attribute + '=' + children.at(at)->attribute(attribute), key);
    QCOMPARE(records().filter("is taken.").size(), int(copied->attribute(attribute) != key.section('=', 1)));
    QCOMPARE(at + 1 < children.size() ? children.at(at + 1)->name : QString(), next);
    QCOMPARE(namedData(children.at(at)), data);
    QCOMPARE(ChildPlacement(target->name).firstMisplaced(target), -1);
    action("actionUndo")->trigger(); // one step
    QCOMPARE(children, before);
}

void TestMenuLoader::pasteRefusedWhereTheSchemaForbids()
{
    QVERIFY(clickEntry(openContextMenu(find("LN")), "Copy"));
    const int before = find("Communication")->children.size();
    QVERIFY(clickEntry(openContextMenu(find("Communication")), "Paste"));
    QCOMPARE(m_prompt->warnings, QStringList{"Can't copy [LN] under [Communication]."});
    QCOMPARE(find("Communication")->children.size(), before);
}

void TestMenuLoader::deleteEmptiesTheClipboard()
{
    QVERIFY(clickEntry(openContextMenu(find("Header")), "Copy"));
    QVERIFY(clickEntry(openContextMenu(find("Substation")), "Delete"));
    QCOMPARE(m_prompt->asked.size(), 1);
    QVERIFY(!root()->findChild("Substation"));
    QVERIFY(!menuEntries(openContextMenu(root()), true).contains("Paste"));
    QVERIFY(logged.contains("Modify record: Delete Substation successfully."));
}

void TestMenuLoader::moveChangesTheSavedOrder()
{
    const QStringList before = childNames(root());
    const int second = before.indexOf("Q01_MU") - 1; // the last IED
    QVERIFY(clickEntry(openContextMenu(root()->children.at(second)), "Up"));
    action("actionSave")->trigger();
    QStringList expected = before;
    expected.move(second, second - 1);
    const DocumentOwner saved(XmlReader::load(m_file));
    QCOMPARE(childNames(saved.roots.first()), expected);
    // The tree shows the new order at once.
    QCOMPARE(root()->treeItem->child(second - 1)->text(0).section(' ', 0, 0), expected.at(second - 1));
}

void TestMenuLoader::insertLn0BuildsInstanceData()
{
    XmlObject *device = find("LDevice");
    QVERIFY(clickEntry(openContextMenu(device->findChild("LN0")), "Delete")); // one LN0 per LDevice
    DialogFiller filler; // picks a type
    QVERIFY(clickEntry(openContextMenu(device), "Insert LN0"));
    XmlObject *ln0 = device->children.first(); // before the LNs
    QCOMPARE(ln0->name, QString("LN0"));
    const XmlObject *type = XmlSchema::instance()->findLNodeType(ln0->attribute("lnType"));
    QVERIFY(type);
    QCOMPARE(ln0->attribute("lnClass"), QString("LLN0")); // the fixed values are filled in
    QCOMPARE(childNames(ln0), childNames(type)); // a DOI for each DO
    QCOMPARE(ln0->findDescendant("Val")->value, QString("ToDo"));
    QVERIFY(ln0->treeItem && ln0->children.first()->treeItem);
    QVERIFY(logged.contains("Modify record: Insert LN0 successfully."));
}

void TestMenuLoader::commandOnADeadItemDoesNothing()
{
    QMenu *menu = openContextMenu(find("IED"));
    QVERIFY(menu);
    action("actionClose")->trigger(); // the items and the document go
    clickEntry(menu, "Delete");
    QVERIFY(m_prompt->asked.isEmpty());
    QVERIFY(!MenuLoader::instance(window)->clipboardElement());
}

QTEST_MAIN(TestMenuLoader)
#include "tst_menuloader.moc"
