#include "dlgcomparexml.h"
#include "dlgxmlview.h"
#include "testtree.h"
#include "xmlobject.h"
#include "xmlreader.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

using Tree = std::unique_ptr<XmlObject>;

// The lines of a pane with a yellow background, as "block number: text".
QStringList yellowLines(const QDialog &dialog, const char *pane)
{
    const auto *edit = dialog.findChild<QTextEdit *>(pane);
    if (!edit)
        return {QStringLiteral("no pane %1").arg(pane)};
    QStringList marked;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QBrush background = it.fragment().charFormat().background();
            if (background.style() == Qt::SolidPattern && background.color() == QColor(Qt::yellow)) {
                marked.append(QStringLiteral("%1: %2").arg(block.blockNumber()).arg(block.text()));
                break;
            }
        }
    }
    return marked;
}

XmlObject *makeText(const QString &name, const QString &text, XmlObject *parent)
{
    XmlObject *element = makeElement(name, parent);
    element->value = text;
    element->attributes.insert(QStringLiteral("value"), text.trimmed());
    return element;
}

// The tree a reader makes of XML text.
Tree parse(const QString &text)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("view.xml")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        return Tree();
    file.close();
    const QList<XmlObject *> roots = XmlReader::load(file.fileName());
    return Tree(roots.size() == 1 ? roots.first() : nullptr);
}

// A DOType of `lines` DAs whose names are `width` characters long.
Tree wideType(int lines, int width)
{
    Tree type(makeElement("DOType", nullptr, {{"id", "T"}}));
    for (int i = 0; i < lines; ++i)
        makeElement("DA", type.get(), {{"name", QString(width, QLatin1Char(char('a' + i % 26)))}});
    return type;
}

} // namespace

class TestXmlDialogs : public QObject
{
    Q_OBJECT

private slots:
    void singleElement_data();
    void singleElement();
    void nestedTreeIsIndented();
    void viewTextParsesBack();
    void viewWithoutElementIsEmpty();

    void compareMarksOnlyTheDifferingLine();
    void compareIgnoresIndentationButNotCase();
    void panesScrollTogether();
};

void TestXmlDialogs::singleElement_data()
{
    QTest::addColumn<QString>("name");
    // Alternating attribute names and values.
    QTest::addColumn<QStringList>("attributes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bare") << "Header" << QStringList() << QString() << "<Header/>\n";
    QTest::newRow("sorted by name, empty values left out")
            << "DA" << QStringList({"name", "stVal", "desc", "", "fc", "ST", "Zone", "1", "bType", "BOOLEAN"})
            << QString() << "<DA Zone=\"1\" bType=\"BOOLEAN\" fc=\"ST\" name=\"stVal\"/>\n";
    QTest::newRow("text between the tags, mirror hidden")
            << "Val" << QStringList({"value", "5"}) << "5" << "<Val>5</Val>\n";
    QTest::newRow("text untrimmed")
            << "Val" << QStringList({"sGroup", "1", "value", "on"}) << " on " << "<Val sGroup=\"1\"> on </Val>\n";
    QTest::newRow("value attribute without text is an attribute")
            << "Private" << QStringList({"value", "x"}) << QString() << "<Private value=\"x\"/>\n";
    QTest::newRow("escaped")
            << "P" << QStringList({"desc", "a<b & \"c\" 'd' >"}) << "x < y && z > \"1\""
            << "<P desc=\"a&lt;b &amp; &quot;c&quot; 'd' &gt;\">x &lt; y &amp;&amp; z &gt; &quot;1&quot;</P>\n";
}

void TestXmlDialogs::singleElement()
{
    QFETCH(QString, name);
    QFETCH(QStringList, attributes);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    XmlObject element;
    element.name = name;
    element.value = text;
    for (int i = 0; i + 1 < attributes.size(); i += 2)
        element.attributes.insert(attributes.at(i), attributes.at(i + 1));

    QString xml = QStringLiteral("kept ");
    xmlText(&element, 0, xml);
    QCOMPARE(xml, "kept " + expected);
}

void TestXmlDialogs::nestedTreeIsIndented()
{
    Tree type(makeElement("DOType", nullptr, {{"cdc", "SPS"}, {"id", "T1"}}));
    XmlObject *da = makeElement("DA", type.get(), {{"name", "stVal"}, {"bType", "BOOLEAN"}});
    makeText("Val", "true", da);
    makeElement("DA", type.get(), {{"name", "q"}});

    QString xml;
    xmlText(type.get(), 1, xml);
    QCOMPARE(xml, QStringLiteral("  <DOType cdc=\"SPS\" id=\"T1\">\n"
                                 "    <DA bType=\"BOOLEAN\" name=\"stVal\">\n"
                                 "      <Val>true</Val>\n"
                                 "    </DA>\n"
                                 "    <DA name=\"q\"/>\n"
                                 "  </DOType>\n"));

    QString top;
    xmlText(type.get(), 0, top);
    QCOMPARE(top, xml.replace("\n  ", "\n").mid(2));
    const DlgXmlView view(type.get());
    QCOMPARE(view.findChild<QTextEdit *>("textEdit")->toPlainText(), top);
}

void TestXmlDialogs::viewTextParsesBack()
{
    Tree ied(makeElement("IED", nullptr, {{"name", "P<1>"}, {"desc", "R&D \"bay\" 'A'"}}));
    XmlObject *ldevice = makeElement("LDevice", ied.get(), {{"inst", "LD0"}});
    XmlObject *dai = makeElement("DAI", ldevice, {{"name", "d"}});
    makeText("Val", "<b>&nbsp;</b>", dai);
    makeText("Val", "]]>", dai);
    makeElement("Private", ldevice, {{"value", "no text"}});

    const DlgXmlView view(ied.get());
    const Tree parsed = parse(view.text());
    QVERIFY(parsed);
    // Written again, the parsed tree gives the same text: nothing was lost or altered.
    QString again;
    xmlText(parsed.get(), 0, again);
    QCOMPARE(again, view.text());
}

void TestXmlDialogs::viewWithoutElementIsEmpty()
{
    const DlgXmlView view(nullptr);
    QVERIFY(view.text().isEmpty());
    QVERIFY(view.findChild<QTextEdit *>("textEdit")->toPlainText().isEmpty());
}

void TestXmlDialogs::compareMarksOnlyTheDifferingLine()
{
    Tree icd(makeElement("DOType", nullptr, {{"cdc", "SPS"}, {"id", "SPS_1"}}));
    makeElement("DA", icd.get(), {{"name", "stVal"}, {"fc", "ST"}, {"bType", "BOOLEAN"}});
    makeElement("DA", icd.get(), {{"name", "q"}, {"fc", "ST"}, {"bType", "Quality"}});
    Tree scd(new XmlObject(*icd));
    scd->children.at(0)->attributes.insert("bType", "INT32");

    const DlgCompareXml dialog(icd.get(), scd.get());
    QCOMPARE(yellowLines(dialog, "icdTextEdit"),
             QStringList("1:   <DA bType=\"BOOLEAN\" fc=\"ST\" name=\"stVal\"/>"));
    QCOMPARE(yellowLines(dialog, "scdTextEdit"),
             QStringList("1:   <DA bType=\"INT32\" fc=\"ST\" name=\"stVal\"/>"));
    QCOMPARE(dialog.findChild<QLabel *>("icdLabel")->text(), QStringLiteral("SPS_1"));
    QCOMPARE(dialog.findChild<QLabel *>("scdLabel")->text(), QStringLiteral("SPS_1"));
}

void TestXmlDialogs::compareIgnoresIndentationButNotCase()
{
    Tree icd(makeElement("DOType", nullptr, {{"id", "<A>"}}));
    makeElement("Private", icd.get(), {{"type", "note"}});
    makeElement("DA", icd.get(), {{"name", "Q"}});
    makeElement("Private", icd.get(), {{"type", "note"}});
    makeElement("DA", icd.get(), {{"name", "q"}});
    makeElement("SDO", icd.get(), {{"name", "x"}});

    Tree scd(makeElement("DOType", nullptr, {{"id", "B"}}));
    makeElement("DA", scd.get(), {{"name", "Q"}});
    XmlObject *wrap = makeElement("Private", scd.get(), {{"type", "wrap"}});
    makeElement("SDO", wrap, {{"name", "x"}});

    const DlgCompareXml dialog(icd.get(), scd.get());
    // A repeated line is marked once; the deeper SDO counts as present.
    QCOMPARE(yellowLines(dialog, "icdTextEdit"),
             QStringList({"0: <DOType id=\"&lt;A&gt;\">",
                          "1:   <Private type=\"note\"/>",
                          "4:   <DA name=\"q\"/>"}));
    QCOMPARE(yellowLines(dialog, "scdTextEdit"),
             QStringList({"0: <DOType id=\"B\">",
                          "2:   <Private type=\"wrap\">",
                          "4:   </Private>"}));
    // Ids are shown as they are, not as markup.
    QCOMPARE(dialog.findChild<QLabel *>("icdLabel")->text(), QStringLiteral("<A>"));
    QCOMPARE(dialog.findChild<QLabel *>("icdLabel")->textFormat(), Qt::PlainText);
}

void TestXmlDialogs::panesScrollTogether()
{
    const Tree icd = wideType(300, 400);
    const Tree scd = wideType(100, 200);
    DlgCompareXml dialog(icd.get(), scd.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const auto *icdEdit = dialog.findChild<QTextEdit *>("icdTextEdit");
    const auto *scdEdit = dialog.findChild<QTextEdit *>("scdTextEdit");
    // Marking lines must not cut the layout of a long text short: the
    // ICD pane holds three times the lines of the SCD pane.
    QTRY_VERIFY(icdEdit->verticalScrollBar()->maximum() > 2 * scdEdit->verticalScrollBar()->maximum());

    const QList<QPair<QScrollBar *, QScrollBar *>> pairs = {
        {icdEdit->verticalScrollBar(), scdEdit->verticalScrollBar()},
        {icdEdit->horizontalScrollBar(), scdEdit->horizontalScrollBar()}};
    for (const auto &[icd, scd] : pairs) {
        QTRY_VERIFY(scd->maximum() > 10 && icd->maximum() > scd->maximum());
        scd->setValue(7);
        QCOMPARE(icd->value(), 7);
        icd->setValue(9);
        QCOMPARE(scd->value(), 9);
        // The shorter pane stops at its end; the longer one is not pulled back.
        icd->setValue(icd->maximum());
        QCOMPARE(scd->value(), scd->maximum());
        QCOMPARE(icd->value(), icd->maximum());
    }
}

QTEST_MAIN(TestXmlDialogs)
#include "tst_xmldialogs.moc"
