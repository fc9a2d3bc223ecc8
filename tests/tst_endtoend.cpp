#include "guitestsupport.h"

#include <QXmlStreamReader>

// Realistic files of three editions (tests/data/e2e), opened in the real
// window, edited as a user would, saved, loaded again and compared with the
// original carrying exactly the intended edit.

namespace {

const QStringList Files = {"elmwood_ed1.scd", "elmwood_ed2.scd", "elmwood_ed2_1.scd"};
const QString Panel = QStringLiteral("attributeTableWidget");

// The element at a path of "Name" or "Name:attribute=value" steps below root.
XmlObject *locate(XmlObject *root, const QString &path)
{
    XmlObject *element = root;
    for (const QString &step : path.split(QLatin1Char('/'))) {
        const QString test = step.section(QLatin1Char(':'), 1);
        if (element)
            element = test.isEmpty() ? element->findChild(step)
                                     : element->findChild(step.section(QLatin1Char(':'), 0, 0),
                                                          test.section(QLatin1Char('='), 0, 0),
                                                          test.section(QLatin1Char('='), 1));
    }
    return element;
}

// The prefix (with its colon) and the namespace the file's root declares for
// the extensions of another vendor's tool.
QStringList vendorOf(const XmlObject *root)
{
    for (auto it = root->attributes.begin(); it != root->attributes.end(); ++it) {
        if (it.key().startsWith(QLatin1String("xmlns:")) && it.value() != XmlReader::SchemaInstanceNamespace
            && it.value() != XmlReader::VendorNamespace)
            return {it.key().mid(6) + QLatin1Char(':'), it.value()};
    }
    return {QString(), QString()};
}

void collectVendorNames(const XmlObject *element, const QString &prefix, QStringList &names)
{
    if (element->name.startsWith(prefix))
        names.append(element->name);
    for (auto it = element->attributes.begin(); it != element->attributes.end(); ++it) {
        if (it.key().startsWith(prefix))
            names.append(it.key());
    }
    for (const XmlObject *child : element->children)
        collectVendorNames(child, prefix, names);
}

// What any XML tool reads in a file: the names in the vendor's namespace, and
// the comments and processing instructions (a copied element takes its
// comments along, so what counts is that none is lost or invented).
struct FileContent
{
    QStringList vendorNames;
    QStringList comments;
    QString error;
};

FileContent contentOf(const QString &file, const QString &uri)
{
    QFile input(file);
    input.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&input);
    FileContent content;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Comment || token == QXmlStreamReader::ProcessingInstruction)
            content.comments.append(xml.processingInstructionTarget() + xml.text() + xml.processingInstructionData());
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.namespaceUri() == uri)
            content.vendorNames.append(xml.qualifiedName().toString());
        for (const QXmlStreamAttribute &attribute : xml.attributes()) {
            if (attribute.namespaceUri() == uri)
                content.vendorNames.append(attribute.qualifiedName().toString());
        }
    }
    content.error = xml.errorString();
    content.vendorNames.sort();
    content.comments.removeDuplicates();
    content.comments.sort();
    return content;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void init();
    void cleanup();
    void edit_data();
    void edit();

private:
    QTableWidgetItem *cellFor(XmlObject *element, const QString &table, const QString &key);

    QTemporaryDir m_dir;
    QString m_original;
    QString m_copy;
    Document m_expected;
};

void TestEndToEnd::init()
{
    QFETCH(QString, file);
    m_original = QStringLiteral(KESTREL_TEST_DATA "/e2e/") + file;
    QVERIFY(openCopy(m_dir, m_original, m_copy));
    window->resize(1400, 900); // room for the views' tables
    m_expected = XmlReader::load(m_original);
    QCOMPARE(m_expected.size(), 1);
}

void TestEndToEnd::cleanup()
{
    closeWindow();
    qDeleteAll(m_expected);
    m_expected.clear();
}

// The attribute panel's value cell of key, or the cell of a view's table in
// the element's row and the key's column.
QTableWidgetItem *TestEndToEnd::cellFor(XmlObject *element, const QString &table, const QString &key)
{
    if (table == Panel) {
        auto *panel = window->findChild<QTableWidget *>(Panel);
        const QList<QTableWidgetItem *> names = panel->findItems(key, Qt::MatchExactly);
        return names.isEmpty() ? nullptr : panel->item(names.first()->row(), 1);
    }
    QMdiSubWindow *view = window->findView("IED - " + element->enclosing(QStringLiteral("IED"))->attribute("name"));
    auto *cells = view ? view->widget()->findChild<QTableWidget *>(table) : nullptr;
    return cells ? cellOf(cells, element, key) : nullptr;
}

void TestEndToEnd::edit_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("command"); // a context menu entry, or empty for typing into the cell
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    const QString ied = QStringLiteral("IED:name=E1Q1SB1");
    const QString ctrl = ied + "/AccessPoint/Server/LDevice:inst=CTRL";
    for (const QString &file : Files) {
        const auto row = [&](const char *name, const char *command) -> QTestData & {
            return QTest::newRow(qPrintable(file + ": " + name)) << file << command;
        };
        row("attribute panel, IED desc", "") << ied << Panel << "desc" << "Zähler & <Prüfung> \"Q1\"";
        row("attribute panel, IP address text", "")
                << "Communication/SubNetwork:name=StationBus/ConnectedAP:iedName=HMI01/Address/P:type=IP" << Panel
                << "value" << "10.20.1.99";
        row("IED view, logical node desc", "") << ctrl + "/LN:lnClass=XCBR"
                                               << "LnTableWidget" << "desc" << "Leistungsschalter QA1 (Ölstand)";
        row("IED view, GOOSE application id", "")
                << "IED:name=E1Q2SB1/AccessPoint/Server/LDevice:inst=CTRL/LN0/GSEControl:name=gcbInterlock"
                << "GseTableWidget" << "appID" << "E1Q2SB1CTRL/LLN0.gcbIlk2";
        row("copy an IED, paste it on the root", "Paste") << ied << "" << "" << "";
        row("delete a data set member", "Delete") << ctrl + "/LN0/DataSet:name=dsGoose/FCDA:lnInst=2" << "" << "" << "";
    }
}

void TestEndToEnd::edit()
{
    QFETCH(QString, command);
    QFETCH(QString, path);
    QFETCH(QString, table);
    QFETCH(QString, key);
    QFETCH(QString, text);

    XmlObject *element = locate(window->document().first(), path);
    QVERIFY(element);
    XmlObject *edited = locate(m_expected.first(), path);
    if (command == QLatin1String("Paste")) {
        QVERIFY(clickEntry(openContextMenu(element), QStringLiteral("Copy")));
        QVERIFY(clickEntry(openContextMenu(window->document().first()), command));
        // The copy gets a name of its own and goes before the data types.
        XmlObject *root = m_expected.first();
        auto *copy = new XmlObject(*edited);
        copy->attributes.insert(QStringLiteral("name"), QStringLiteral("E1Q1SB1_New"));
        copy->parent = root;
        root->children.insert(root->children.indexOf(root->findChild(QStringLiteral("DataTypeTemplates"))), copy);
    } else if (command == QLatin1String("Delete")) {
        QVERIFY(clickEntry(openContextMenu(element), command));
        edited->parent->children.removeOne(edited);
        delete edited;
    } else {
        // Shows the element in the attribute panel and its view, its row selected.
        QVERIFY(clickInTree(element));
        QTableWidgetItem *cell = cellFor(element, table, key);
        QVERIFY(cell && cell->tableWidget()->isVisible());
        QVERIFY(editCell(cell, text));
        if (key == QLatin1String("value"))
            edited->value = text; // the text of the element, mirrored as its attribute "value"
        edited->attributes.insert(key, text);
    }

    QVERIFY2(action("actionSave")->isEnabled(), "the edit counts as a change");
    action("actionSave")->trigger();
    action("actionClose")->trigger();
    QVERIFY(window->openFile(m_copy));
    // The saved file holds the original with exactly the edit.
    QString where;
    QVERIFY2(sameTree(window->document().first(), m_expected.first(), &where), qPrintable(where));
    QCOMPARE(semanticFindings(window->document()), QStringList());
    const QStringList vendor = vendorOf(m_expected.first());
    const FileContent saved = contentOf(m_copy, vendor.at(1));
    QCOMPARE(saved.error, QString());
    QStringList vendorNames;
    collectVendorNames(m_expected.first(), vendor.at(0), vendorNames);
    vendorNames.sort();
    QCOMPARE(saved.vendorNames, vendorNames);
    const FileContent before = contentOf(m_original, vendor.at(1));
    QCOMPARE(saved.comments, before.comments);
    QVERIFY2(before.vendorNames.size() > 10 && before.comments.size() > 5, "the file has what these checks look for");
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
