#include "testtree.h"

class TestXmlObject : public QObject
{
    Q_OBJECT

private slots:
    void attributeMapKeepsNameOrderAndLastDuplicate();
    void label_data();
    void label();
    void searchesArePreOrderAndReferencesStayInTheirIed();
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
    QCOMPARE(map.remove("desc") + map.remove("desc"), 1);
    QCOMPARE(map.take("Z"), QString("e"));
    QCOMPARE(map.keys(), QStringList({"b", "name", "type"}));
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
    QTest::newRow("P with empty type") << "P" << QStringList{"type="} << "" << "";
    QTest::newRow("IED without desc") << "IED" << QStringList{"name=P1"} << "" << "P1 - Undefined";
    QTest::newRow("FCDA without prefix")
            << "FCDA" << QStringList{"ldInst=LD0", "lnClass=MMXU", "doName=A", "daName=phsA"} << ""
            << "LD0$UndefinedMMXU$A$phsA";
    QTest::newRow("EnumVal text") << "EnumVal" << QStringList{"ord=1"} << "on" << "on";
    // One pass over the format: a value holding "%2" is not substituted again.
    QTest::newRow("value holding %2") << "IED" << QStringList{"name=A%2B", "desc=d"} << "" << "A%2B - d";
}

void TestXmlObject::label()
{
    QFETCH(QString, name);
    QFETCH(QStringList, attributes);
    QFETCH(QString, value);
    XmlObject e;
    e.name = name;
    e.value = value;
    for (const QString &pair : attributes)
        e.attributes.insert(pair.section('=', 0, 0), pair.section('=', 1));
    QTEST(e.label(), "label");
}

void TestXmlObject::searchesArePreOrderAndReferencesStayInTheirIed()
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
    QCOMPARE(root->findDescendant("DAI", QStringList{"name", "desc"}, QStringList{"x"}), nullptr);

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
    QCOMPARE(prot->findLogicalNode("LN", "IPTOC1"), ptoc);
    QCOMPARE(prot->findLogicalNode("LN", "PTOC1"), nullptr);

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
    doi->comments.append(XmlComment{XmlComment::Before, 0, {}, " pasted with its element "});
    source->index.insert("Pos", doi);

    XmlObject copy(*source);
    QVERIFY(sameTree(&copy, source.get()));
    QCOMPARE(copy.lineNumber, 0);
    QVERIFY(copy.index.isEmpty());
    QVERIFY(copy.parent == nullptr);
    XmlObject *copiedVal = copy.children.first()->children.first()->children.first();
    QVERIFY(copiedVal != val);
    QCOMPARE(copiedVal->parent->parent, copy.children.first());
    QCOMPARE(copy.children.first()->parent, &copy);

    copiedVal->value = "changed";
    copy.attributes.insert("inst", "2");
    QCOMPARE(val->value, QString(" status-only "));
    QCOMPARE(source->attribute("inst"), QString("1"));
}

QTEST_APPLESS_MAIN(TestXmlObject)
#include "tst_xmlobject.moc"
