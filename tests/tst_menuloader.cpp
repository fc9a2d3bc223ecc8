#include "menuloader.h"
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

// "SCL", "IED:last", or the first element of that name.
XmlObject *TestMenuLoader::find(const QString &name) const
{
    if (name == "SCL")
        return root();
    const auto isIed = [](const XmlObject *child) { return child->name == "IED"; };
    if (name == "IED:last")
        return *std::find_if(root()->children.rbegin(), root()->children.rend(), isIed);
    return root()->findDescendant(name);
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

void TestMenuLoader::pasteRefusedWhereTheSchemaForbids()
{
    XmlObject *ln = find("LN");
    QVERIFY(clickEntry(openContextMenu(ln), "Copy"));
    const int before = find("Communication")->children.size();
    QVERIFY(clickEntry(openContextMenu(find("Communication")), "Paste"));
    QCOMPARE(m_prompt->warnings, QStringList{"Can't copy [LN] under [Communication]."});
    QCOMPARE(find("Communication")->children.size(), before);
    XmlObject *device = find("LDevice");
    QVERIFY(clickEntry(openContextMenu(device), "Paste"));
    QCOMPARE(device->children.last()->name, QString("LN"));
    QCOMPARE(device->children.last()->attributes, ln->attributes);
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
        QTest::mouseClick(dialog->findChild<QPushButton *>("okBtn"), Qt::LeftButton);
        if (dialog->isVisible())
            dialog->reject();
    };
    QTimer::singleShot(0, fill);
    QVERIFY(clickEntry(openContextMenu(device), "Insert LN0"));
    XmlObject *ln0 = device->children.last();
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
