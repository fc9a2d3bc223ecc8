#include "testtree.h"
#include "xmlobject.h"

#include <QtTest>


class TestXmlObject : public QObject
{
    Q_OBJECT

private slots:
    void attributeMapKeepsNameOrderAndLastDuplicate();
    void label_data();
    void label();
    void labelDoesNotSubstituteInsideValues();
    void escapeEachSpecialCharacterOnce();
    void searchesArePreOrderAndSkipSelf();
    void findDescendantWithListsOfDifferentLength();
    void findLogicalNodeByPrefixClassInst();
    void referencesResolveWithinTheirIed();
    void copyIsDeepAndIndependent();
};

void TestXmlObject::attributeMapKeepsNameOrderAndLastDuplicate()
{
    AttributeMap map({{"type", "a"}, {"desc", "b"}, {"name", "c"}, {"desc", "d"}, {"Z", "e"}});
    QCOMPARE(map.keys(), QStringList({"Z", "desc", "name", "type"}));
    QCOMPARE(map.value("desc"), QString("d"));
    QVERIFY(map.value("absent").isNull());
    map["b"] = "x";
    map.insert("type", "t2");
    QCOMPARE(map.keys(), QStringList({"Z", "b", "desc", "name", "type"}));
    QCOMPARE(map.value("type"), QString("t2"));
    QCOMPARE(map.remove("desc"), 1);
    QCOMPARE(map.remove("desc"), 0);
    QCOMPARE(map.take("Z"), QString("e"));
    QCOMPARE(map.values(), QStringList({"x", "c", "t2"}));
}

void TestXmlObject::label_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("attributes"); // key=value pairs
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("label");

    QTest::newRow("not in table") << "Header" << QStringList{"id=x"} << "" << "Header";
    QTest::newRow("P with type") << "P" << QStringList{"type=IP"} << "10.0.0.1" << "IP";
    QTest::newRow("P without type") << "P" << QStringList{} << "" << "P";
    QTest::newRow("P with empty type") << "P" << QStringList{"type="} << "" << "";
    QTest::newRow("LN0") << "LN0" << QStringList{"lnClass=LLN0"} << "" << "LLN0";
    QTest::newRow("IED without desc") << "IED" << QStringList{"name=P1"} << "" << "P1 - Undefined";
    QTest::newRow("FCDA without prefix")
            << "FCDA" << QStringList{"ldInst=LD0", "lnClass=MMXU", "doName=A", "daName=phsA"} << ""
            << "LD0$UndefinedMMXU$A$phsA";
    QTest::newRow("DA") << "DA" << QStringList{"name=stVal", "fc=ST", "bType=BOOLEAN"} << ""
                        << "stVal(ST) - BOOLEAN";
    QTest::newRow("EnumVal text") << "EnumVal" << QStringList{"ord=1"} << "on" << "on";
    QTest::newRow("DataSet") << "DataSet" << QStringList{"name=ds1"} << "" << "DataSet - Undefined";
}

void TestXmlObject::label()
{
    QFETCH(QString, name);
    QFETCH(QStringList, attributes);
    QFETCH(QString, value);
    QFETCH(QString, label);
    XmlObject e;
    e.name = name;
    e.value = value;
    for (const QString &pair : attributes)
        e.attributes.insert(pair.section('=', 0, 0), pair.section('=', 1));
    QCOMPARE(e.label(), label);
}

void TestXmlObject::labelDoesNotSubstituteInsideValues()
{
    XmlObject e;
    e.name = "IED";
    e.attributes.insert("name", "A%2B");
    e.attributes.insert("desc", "d");
    QCOMPARE(e.label(), QString("A%2B - d"));
}

void TestXmlObject::escapeEachSpecialCharacterOnce()
{
    QCOMPARE(xmlEscape(R"(a<b & "c" 'd' >)"), QString("a&lt;b &amp; &quot;c&quot; 'd' &gt;"));
    QCOMPARE(xmlEscape("&amp;"), QString("&amp;amp;"));
    QCOMPARE(xmlEscape(QString()), QString());
}

void TestXmlObject::searchesArePreOrderAndSkipSelf()
{
    std::unique_ptr<XmlObject> root(makeElement("DOI", nullptr, {{"name", "x"}}));
    XmlObject *a = makeElement("SDI", root.get(), {{"name", "a"}});
    XmlObject *deep = makeElement("DAI", a, {{"name", "x"}});
    XmlObject *b = makeElement("DAI", root.get(), {{"name", "x"}});
    makeElement("DOI", b, {{"name", "x"}});

    QCOMPARE(root->findDescendant("DOI"), b->children.first()); // never the node itself
    QCOMPARE(root->findDescendant("DAI", "name", "x"), deep);     // subtree of a before sibling b
    QCOMPARE(root->findChild("DAI"), b);
    QCOMPARE(root->findChild("DAI", "name", "y"), nullptr);
    // An absent attribute compares as the empty string.
    QCOMPARE(root->findDescendant("SDI", "desc", ""), a);
    QCOMPARE(root->findDescendant("DAI", QStringList{"name", "desc"}, QStringList{"x", ""}), deep);
}

void TestXmlObject::findDescendantWithListsOfDifferentLength()
{
    std::unique_ptr<XmlObject> root(makeElement("LDevice"));
    makeElement("LN", root.get(), {{"lnClass", "XCBR"}});
    QCOMPARE(root->findDescendant("LN", QStringList{"lnClass"}, QStringList{"XCBR"}), root->children.first());
    QCOMPARE(root->findDescendant("LN", QStringList{"lnClass", "inst"}, QStringList{"XCBR"}), nullptr);
}

void TestXmlObject::findLogicalNodeByPrefixClassInst()
{
    std::unique_ptr<XmlObject> ld(makeElement("LDevice"));
    makeElement("LN0", ld.get(), {{"lnClass", "LLN0"}, {"inst", ""}});
    XmlObject *ln = makeElement("LN", ld.get(), {{"prefix", "Q0"}, {"lnClass", "XCBR"}, {"inst", "1"}});
    QCOMPARE(ld->findLogicalNode("LN", "Q0XCBR1"), ln);
    QCOMPARE(ld->findLogicalNode("LN0", "LLN0"), ld->children.first());
    QCOMPARE(ld->findLogicalNode("LN", "XCBR1"), nullptr);
}

void TestXmlObject::referencesResolveWithinTheirIed()
{
    std::unique_ptr<XmlObject> ied(makeElement("IED"));
    XmlObject *server = makeElement("Server", makeElement("AccessPoint", ied.get()));
    XmlObject *prot = makeElement("LDevice", server, {{"inst", "PROT"}});
    XmlObject *ln0 = makeElement("LN0", prot, {{"lnClass", "LLN0"}, {"inst", ""}});
    XmlObject *ptoc = makeElement("LN", prot, {{"prefix", "I"}, {"lnClass", "PTOC"}, {"inst", "1"}});
    makeElement("LN", makeElement("LDevice", server, {{"inst", "MEAS"}}), {{"lnClass", "PTOC"}, {"inst", "1"}});
    QCOMPARE(ied->findReferencedNode("PROT", "", "LLN0", ""), ln0);
    QCOMPARE(ied->findReferencedNode("PROT", "I", "PTOC", "1"), ptoc);
    // The prefix is part of the name; another device's node does not stand in.
    QCOMPARE(ied->findReferencedNode("PROT", "", "PTOC", "1"), nullptr);
    QCOMPARE(ied->findReferencedNode("CTRL", "I", "PTOC", "1"), nullptr);

    QCOMPARE(ptoc->enclosing("IED"), ied.get());
    QCOMPARE(ptoc->enclosing("LN"), ptoc);
    QCOMPARE(ptoc->enclosing("SubNetwork"), nullptr);
}

void TestXmlObject::copyIsDeepAndIndependent()
{
    std::unique_ptr<XmlObject> source(makeElement("LN", nullptr, {{"lnClass", "XCBR"}, {"inst", "1"}}));
    source->lineNumber = 7;
    XmlObject *doi = makeElement("DOI", source.get(), {{"name", "Pos"}});
    XmlObject *val = makeElement("Val", makeElement("DAI", doi, {{"name", "ctlModel"}}));
    val->value = " status-only ";
    source->index.insert("Pos", doi);

    XmlObject copy(*source);
    QCOMPARE(copy.attributes, source->attributes);
    QCOMPARE(copy.lineNumber, 0);
    QVERIFY(copy.index.isEmpty());
    QVERIFY(copy.parent == nullptr);
    QCOMPARE(copy.children.size(), 1);
    XmlObject *copiedDoi = copy.children.first();
    QVERIFY(copiedDoi != doi);
    QCOMPARE(copiedDoi->parent, &copy);
    XmlObject *copiedVal = copiedDoi->children.first()->children.first();
    QCOMPARE(copiedVal->parent, copiedDoi->children.first());
    QCOMPARE(copiedVal->value, QString(" status-only "));

    copiedVal->value = "changed";
    copy.attributes.insert("inst", "2");
    QCOMPARE(val->value, QString(" status-only "));
    QCOMPARE(source->attribute("inst"), QString("1"));
}

QTEST_APPLESS_MAIN(TestXmlObject)
#include "tst_xmlobject.moc"
