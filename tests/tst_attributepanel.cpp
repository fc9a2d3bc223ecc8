#include "sclied.h"
#include "guitestsupport.h"

// The attribute panel as the user meets it: an element clicked in the tree,
// a value double-clicked, typed over and confirmed with Enter.

class TestAttributePanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void init();
    void cleanup() { closeWindow(); }
    void rowsFollowTheSchema();
    void edits_data();
    void edits();
    void renamingAnIedRetitlesItsView();

private:
    attribute *panel() const { return window->findChild<attribute *>("attributeTableWidget"); }
    XmlObject *element(const QString &name) const { return window->document().first()->findDescendant(name); }
    void edit(const QString &key, const QString &text);

    QTemporaryDir m_dir;
    ScriptedPrompt *m_prompt = nullptr;
};

void TestAttributePanel::init()
{
    QString copy;
    m_prompt = openCopy(m_dir, KESTREL_TEST_DATA "/good/substation.scd", copy);
    QVERIFY(m_prompt && !window->document().isEmpty());
    window->resize(1400, 900); // every row of the panel in view
}

void TestAttributePanel::edit(const QString &key, const QString &text)
{
    const QList<QTableWidgetItem *> names = panel()->findItems(key, Qt::MatchExactly);
    QVERIFY(!names.isEmpty());
    QVERIFY(editCell(panel()->item(names.first()->row(), 1), text));
}

void TestAttributePanel::rowsFollowTheSchema()
{
    XmlObject *ied = element("IED");
    ied->attributes.remove("desc");
    ied->attributes.insert("vendorOnly", "x"); // not declared: not shown
    QVERIFY(clickInTree(ied));
    QStringList rows; // "name=value", with " *" for a row painted as required
    for (int row = 0; row < panel()->rowCount(); ++row) {
        rows.append(panel()->item(row, 0)->text() + '=' + panel()->item(row, 1)->text()
                    + (yellow(panel()->item(row, 0)) ? " *" : ""));
    }
    QCOMPARE(rows, QStringList({"configVersion=" + ied->attribute("configVersion"), "desc=",
                                  "manufacturer=" + ied->attribute("manufacturer"),
                                  "name=" + ied->attribute("name") + " *", "type=" + ied->attribute("type")}));
    QVERIFY(!ied->attributes.contains("desc")); // shown, not added
}

void TestAttributePanel::edits_data()
{
    QTest::addColumn<QString>("elementName");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed"); // %1: the old value; empty is refused unless the value is optional
    QTest::addColumn<QString>("stored"); // null: unchanged, nothing logged

    QTest::newRow("blanks around the old text change nothing") << "IED" << "type" << " %1 " << QString();
    QTest::newRow("a required value is not emptied") << "IED" << "name" << "" << QString();
    QTest::newRow("nor the text of a P") << "P" << "value" << "" << QString();
    QTest::newRow("an optional value is emptied, kept") << "IED" << "desc" << "" << "";
    QTest::newRow("new text of a P, trimmed") << "P" << "value" << " 10.0.0.99 " << "10.0.0.99";
}

void TestAttributePanel::edits()
{
    QFETCH(QString, elementName);
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    XmlObject *target = element(elementName);
    const QString before = target->attribute(key);
    QVERIFY(clickInTree(target));
    logged.clear();
    edit(key, typed.contains("%1") ? typed.arg(before) : typed);

    const bool refused = typed.isEmpty() && stored.isNull();
    QCOMPARE(m_prompt->warnings, refused ? QStringList("This is required key, Value can't be empty.") : QStringList());
    QCOMPARE(target->attribute(key), stored.isNull() ? before : stored);
    QVERIFY(target->attributes.contains(key));
    if (key == "value")
        QCOMPARE(target->value, target->attribute(key));
    QCOMPARE(records().size(), stored.isNull() ? 0 : 1);
    QCOMPARE(action("actionSave")->isEnabled(), !stored.isNull());
}

void TestAttributePanel::renamingAnIedRetitlesItsView()
{
    XmlObject *ied = element("IED");
    const QString oldName = ied->attribute("name");
    QVERIFY(clickInTree(ied)); // opens its view
    QVERIFY(window->findView("IED - " + oldName));
    window->mdiArea()->addSubWindow(new QWidget)->setWindowTitle("Communication");
    edit("name", "IED2");

    QCOMPARE(ied->attribute("name"), QString("IED2"));
    const auto titles = [] {
        QStringList shown;
        for (QMdiSubWindow *w : window->mdiArea()->subWindowList())
            shown.append(w->windowTitle());
        return shown;
    };
    QTRY_COMPARE(titles(), (QStringList{"IED - IED2", "Communication"}));
    QCOMPARE(qobject_cast<sclIed *>(window->findView("IED - IED2")->widget())->ied, ied);
    QVERIFY(ied->treeItem->text(0).startsWith("IED2 - "));
}

QTEST_MAIN(TestAttributePanel)
#include "tst_attributepanel.moc"
