#include "menuloader.h"
#include "childplacement.h"
#include "dlgproperty.h"
#include "guitestsupport.h"

#include <QDialog>

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

// The data each FCDA inside element names, as "ldInst/lnClass/lnInst", each once, sorted.
QStringList namedData(const XmlObject *element)
{
    QStringList names;
    for (const XmlObject *child : element->children) {
        const QStringList keys{child->attribute("ldInst"), child->attribute("lnClass"), child->attribute("lnInst")};
        if (child->name == "FCDA")
            names.append(keys.join('/'));
        names += namedData(child);
    }
    names.removeDuplicates();
    names.sort();
    return names;
}

// The index of the first child of element out of the schema's order; -1 when there is none.
int misplaced(const XmlObject *element)
{
    return ChildPlacement(element->name).firstMisplaced(element);
}

// Accepts each property dialog that opens while it lives, its required values filled in as a user would.
class DialogFiller : public QTimer
{
public:
    DialogFiller()
    {
        connect(this, &QTimer::timeout, this, &DialogFiller::fill);
        start(10);
    }

private:
    void fill()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        stop();
        auto *table = dialog->findChild<QTableWidget *>("tableWidget");
        for (int row = 0; row < table->rowCount(); ++row) {
            QTableWidgetItem *cell = table->item(row, 1);
            if (!yellow(cell))
                continue;
            // Texts for the patterns of names and references; a drop-down takes its last entry.
            for (const char *text : {"X7", "x7", "X/X/X/X"}) {
                if (!cell->text().isEmpty())
                    break;
                QWidget *editor = openEditor(cell);
                if (auto *box = qobject_cast<QComboBox *>(editor))
                    chooseEntry(box, box->itemText(box->count() - 1));
                else if (editor)
                    typeText(editor, text);
                if (editor)
                    commitEditor(editor);
            }
        }
        static_cast<DlgProperty *>(dialog)->setUserPrompt(new ScriptedPrompt); // a refusal leaves it open
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
    void pasteKeepsNamesUnique();
    void everyInsertAndPasteKeepsTheSchemaOrder_data();
    void everyInsertAndPasteKeepsTheSchemaOrder();
    void pastePlacesAndRenames_data();
    void pastePlacesAndRenames();
    void pasteRefusedWhereTheSchemaForbids();
    void cutAndPasteMovesAnIed();
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

// "SCL", "IED:last", or the first element of that name, with "name:key=value,key=value" those attributes.
XmlObject *TestMenuLoader::find(const QString &name) const
{
    if (name == "SCL")
        return root();
    const auto isIed = [](const XmlObject *child) { return child->name == "IED"; };
    if (name == "IED:last")
        return *std::find_if(root()->children.rbegin(), root()->children.rend(), isIed);
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
    QTest::newRow("last IED, before DataTypeTemplates") << "IED:last" << true << QStringList()
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

// An IED pasted on the root is the end-to-end tests' case; here a SubNetwork, twice.
void TestMenuLoader::pasteKeepsNamesUnique()
{
    const QString name = find("SubNetwork")->attribute("name");
    QVERIFY(clickEntry(openContextMenu(find("SubNetwork")), "Copy"));
    QVERIFY(clickEntry(openContextMenu(find("Communication")), "Paste"));
    QVERIFY(clickEntry(openContextMenu(find("Communication")), "Paste"));
    // "_New" as often as needed for a name no sibling has.
    const QStringList names = childNames(find("Communication"));
    QCOMPARE(names.mid(names.indexOf(name + "_New"), 2), QStringList({name + "_New", name + "_New_New"}));
    QCOMPARE(logged.filter("Modify record: Paste SubNetwork successfully.").size(), 2);
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
    QMap<QString, XmlObject *> kinds;
    std::function<void(XmlObject *)> collect = [&](XmlObject *element) {
        if (!kinds.contains(element->name))
            kinds.insert(element->name, element);
        for (XmlObject *child : element->children)
            collect(child);
    };
    collect(root());
    for (XmlObject *element : qAsConst(kinds)) {
        const QStringList entries = menuEntries(openContextMenu(element), true);
        for (const QString &entry : entries.filter(QRegularExpression("^Insert "))) {
            const int before = element->children.size();
            DialogFiller filler;
            QVERIFY(clickEntry(openContextMenu(element), entry));
            QCOMPARE(element->children.size(), before + 1);
            QVERIFY2(misplaced(element) < 0, qPrintable(element->name + ": " + entry));
        }
        if (element->parent && clickEntry(openContextMenu(element), "Copy")) {
            QVERIFY(clickEntry(openContextMenu(element->parent), "Paste"));
            QVERIFY2(misplaced(element->parent) < 0, qPrintable(element->parent->name + ": Paste " + element->name));
        }
    }
}

void TestMenuLoader::pastePlacesAndRenames_data()
{
    QTest::addColumn<QStringList>("steps"); // pairs: what is copied, where it is pasted ("..": its parent)
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
        copied = find(steps.at(i));
        target = steps.at(i + 1) == ".." ? copied->parent : find(steps.at(i + 1));
        before = target->children;
        QVERIFY(clickEntry(openContextMenu(copied), "Copy"));
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
    QCOMPARE(misplaced(target), -1);
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

void TestMenuLoader::cutAndPasteMovesAnIed()
{
    const QString name = find("IED")->attribute("name");
    const int count = root()->children.size();
    QVERIFY(clickEntry(openContextMenu(find("IED")), "Cut"));
    QCOMPARE(root()->children.size(), count - 1);
    QVERIFY(!root()->findChild("IED", "name", name));
    QVERIFY(action("actionSave")->isEnabled());
    QVERIFY(clickEntry(openContextMenu(root()), "Paste"));
    // No sibling has the name any more: it comes back unchanged, before DataTypeTemplates.
    QCOMPARE(childNames(root()).mid(count - 2), QStringList({name, "DataTypeTemplates"}));
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
    const int second = before.indexOf(find("IED:last")->attribute("name")) - 1;
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
    const XmlObject *type = XmlSchema::instance()->findLNodeType(device->findChild("LN0")->attribute("lnType"));
    QVERIFY(type);
    QVERIFY(clickEntry(openContextMenu(device->findChild("LN0")), "Delete")); // one LN0 per LDevice
    // The property dialog runs modally: once it is up, choose the type in it and press OK.
    std::function<void()> fill = [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return QTimer::singleShot(10, fill);
        auto *table = dialog->findChild<QTableWidget *>("tableWidget");
        const QList<QTableWidgetItem *> rows = table->findItems("lnType", Qt::MatchExactly);
        if (!rows.isEmpty())
            editCell(table->item(rows.first()->row(), 1), type->attribute("id"));
        static_cast<DlgProperty *>(dialog)->setUserPrompt(new ScriptedPrompt); // a refusal leaves it open
        QTest::mouseClick(dialog->findChild<QPushButton *>("okBtn"), Qt::LeftButton);
        if (dialog->isVisible())
            dialog->reject();
    };
    QTimer::singleShot(0, fill);
    QVERIFY(clickEntry(openContextMenu(device), "Insert LN0"));
    XmlObject *ln0 = device->children.first(); // before the LNs
    QCOMPARE(ln0->name, QString("LN0"));
    QCOMPARE(ln0->attribute("lnType"), type->attribute("id"));
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
