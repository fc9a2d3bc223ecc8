#include "dlgcomparexml.h"
#include "dlgxmlview.h"
#include "testtree.h"
#include "xmlreader.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

namespace {

using Tree = std::unique_ptr<XmlObject>;

// The lines of a pane with a yellow background, as "block number: text".
QStringList yellowLines(const QDialog &dialog, const char *pane)
{
    const auto *edit = dialog.findChild<QTextEdit *>(pane);
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

// The tree a reader makes of XML text.
Tree parse(const QString &text)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("view.xml")), text.toUtf8());
    const QList<XmlObject *> roots = XmlReader::load(dir.filePath(QStringLiteral("view.xml")));
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
    void viewTextParsesBack();

    void compare_data();
    void compare();
    void panesScrollTogether();
};

void TestXmlDialogs::singleElement_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("expected");

    QTest::newRow("sorted by name, empty values left out")
            << "<DA name='stVal' desc='' fc='ST' Zone='1' bType='BOOLEAN'/>"
            << "<DA Zone=\"1\" bType=\"BOOLEAN\" fc=\"ST\" name=\"stVal\"/>\n";
    QTest::newRow("text untrimmed") << "<Val sGroup='1'> on </Val>" << "<Val sGroup=\"1\"> on </Val>\n";
    QTest::newRow("value attribute without text") << "<Private value='x'/>" << "<Private value=\"x\"/>\n";
    QTest::newRow("escaped")
            << "<P desc='a&lt;b &amp; &quot;c&quot; &apos;d&apos; >'>x &lt; y &amp;&amp; z > \"1\"</P>"
            << "<P desc=\"a&lt;b &amp; &quot;c&quot; 'd' &gt;\">x &lt; y &amp;&amp; z &gt; &quot;1&quot;</P>\n";
}

void TestXmlDialogs::singleElement()
{
    QFETCH(QString, xml);
    QFETCH(QString, expected);

    const Tree element = parse(xml);
    QVERIFY(element);
    QString text = QStringLiteral("kept ");
    xmlText(element.get(), 0, text);
    QCOMPARE(text, "kept " + expected);
}

void TestXmlDialogs::viewTextParsesBack()
{
    const Tree ied = parse("<IED name='P&lt;1>' desc='R&amp;D &quot;bay&quot; &apos;A&apos;'><LDevice inst='LD0'>"
                           "<DAI name='d'><Val>&lt;b>&amp;nbsp;&lt;/b></Val><Val>]]&gt;</Val></DAI>"
                           "<Private value='no text'/></LDevice></IED>");
    QVERIFY(ied);
    const DlgXmlView view(ied.get());
    const Tree parsed = parse(view.text());
    QVERIFY(parsed);
    // Written again, the parsed tree gives the same text: nothing was lost or altered.
    QString again;
    xmlText(parsed.get(), 0, again);
    QCOMPARE(again, view.text());
    QCOMPARE(DlgXmlView(nullptr).text(), QString());
}

void TestXmlDialogs::compare_data()
{
    QTest::addColumn<QString>("icd");
    QTest::addColumn<QString>("scd");
    QTest::addColumn<QStringList>("icdMarked");
    QTest::addColumn<QStringList>("scdMarked");

    QTest::newRow("one attribute differs")
            << "<DOType id='SPS_1'><DA name='stVal' fc='ST' bType='BOOLEAN'/><DA name='q' fc='ST'/></DOType>"
            << "<DOType id='SPS_1'><DA name='stVal' fc='ST' bType='INT32'/><DA name='q' fc='ST'/></DOType>"
            << QStringList("1:   <DA bType=\"BOOLEAN\" fc=\"ST\" name=\"stVal\"/>")
            << QStringList("1:   <DA bType=\"INT32\" fc=\"ST\" name=\"stVal\"/>");
    // A repeated line is marked once; the deeper SDO counts as present; case counts.
    QTest::newRow("order and indentation do not count, case does")
            << "<DOType id='&lt;A&gt;'><Private type='note'/><DA name='Q'/><Private type='note'/><DA name='q'/>"
               "<SDO name='x'/></DOType>"
            << "<DOType id='B'><DA name='Q'/><Private type='wrap'><SDO name='x'/></Private></DOType>"
            << QStringList({"0: <DOType id=\"&lt;A&gt;\">", "1:   <Private type=\"note\"/>", "4:   <DA name=\"q\"/>"})
            << QStringList({"0: <DOType id=\"B\">", "2:   <Private type=\"wrap\">", "4:   </Private>"});
}

void TestXmlDialogs::compare()
{
    QFETCH(QString, icd);
    QFETCH(QString, scd);

    const Tree icdType = parse(icd);
    const Tree scdType = parse(scd);
    QVERIFY(icdType && scdType);
    const DlgCompareXml dialog(icdType.get(), scdType.get());
    QTEST(yellowLines(dialog, "icdTextEdit"), "icdMarked");
    QTEST(yellowLines(dialog, "scdTextEdit"), "scdMarked");
    // The ids name the two types, shown as they are, not as markup.
    QCOMPARE(dialog.findChild<QLabel *>("icdLabel")->text(), icdType->attribute("id"));
    QCOMPARE(dialog.findChild<QLabel *>("scdLabel")->text(), scdType->attribute("id"));
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
