#include "attribute.h"
#include "guitestsupport.h"
#include "guiresources.h"
#include "kestrel.h"
#include "sclied.h"
#include "userprompt.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xmltreeitem.h"

#include <QtTest>
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>


class TestAttributePanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void rowsFollowTheSchema();
    void textElementsShowTheirValue();
    void editRules();
    void renamingAnIedReopensItsView();
    void savedFileHoldsExactlyTheChange();

private:
    attribute *panel() const { return window->findChild<attribute *>("attributeTableWidget"); }
    XmlObject *firstIed() const { return window->document().first()->findChild("IED"); }
    QStringList rows() const;
    void show(XmlObject *element);
    // Edits the value cell of a row as a double-click and typing would.
    void edit(const QString &name, const QString &text);

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
};

void TestAttributePanel::initTestCase()
{
    initGuiTests();
}

void TestAttributePanel::init()
{
    m_file = copyFixture(m_dir, "substation.scd", "s.scd");
    m_prompt = openWindow(m_file);
    QVERIFY(!window->document().isEmpty());
}

void TestAttributePanel::cleanup()
{
    closeWindow();
}

QStringList TestAttributePanel::rows() const
{
    QStringList result;
    for (int row = 0; row < panel()->rowCount(); ++row) {
        const bool required = panel()->item(row, 0)->background().color() == attribute::RequiredColor;
        result.append(QString("%1=%2%3").arg(panel()->item(row, 0)->text(), panel()->item(row, 1)->text(),
                                             required ? " *" : ""));
    }
    return result;
}

void TestAttributePanel::show(XmlObject *element)
{
    panel()->showObject(element, window);
}

void TestAttributePanel::edit(const QString &name, const QString &text)
{
    for (int row = 0; row < panel()->rowCount(); ++row) {
        if (panel()->item(row, 0)->text() != name)
            continue;
        QTableWidgetItem *value = panel()->item(row, 1);
        panel()->slotItemDoubleClicked(value);
        value->setText(text);
        return;
    }
    QFAIL(qPrintable("no row " + name));
}

void TestAttributePanel::rowsFollowTheSchema()
{
    XmlObject *ied = firstIed();
    ied->attributes.remove("desc");
    ied->attributes.insert("vendorOnly", "x"); // not declared: not shown
    show(ied);
    QCOMPARE(rows(), QStringList({"configVersion=" + ied->attribute("configVersion"), "desc=",
                                  "manufacturer=" + ied->attribute("manufacturer"),
                                  "name=" + ied->attribute("name") + " *", "type=" + ied->attribute("type")}));
    QVERIFY(!ied->attributes.contains("desc"));
    QVERIFY(!(panel()->item(0, 0)->flags() & Qt::ItemIsEditable));
    QVERIFY(panel()->item(0, 1)->flags() & Qt::ItemIsEditable);
}

void TestAttributePanel::textElementsShowTheirValue()
{
    XmlObject *p = window->document().first()->findDescendant("P");
    show(p);
    QCOMPARE(rows(), QStringList({"type=" + p->attribute("type") + " *", "value=" + p->value + " *"}));
    edit("value", "");
    QCOMPARE(m_prompt->warnings, QStringList{"This is required key, Value can't be empty."});
    QVERIFY(!p->value.isEmpty());
    edit("value", " 10.0.0.99 ");
    QCOMPARE(p->value, QString("10.0.0.99"));
    QCOMPARE(p->attribute("value"), QString("10.0.0.99"));
}

void TestAttributePanel::editRules()
{
    XmlObject *ied = firstIed();
    show(ied);
    const QString type = ied->attribute("type");
    edit("type", "  " + type + " ");
    QVERIFY(logged.isEmpty()); // only blanks around the text: nothing changes
    edit("name", "");
    QCOMPARE(m_prompt->warnings.size(), 1);
    QCOMPARE(ied->attribute("name").isEmpty(), false);
    QVERIFY(logged.isEmpty());

    auto *save = window->findChild<QAction *>("actionSave");
    QVERIFY(!save->isEnabled());
    const QString desc = ied->attribute("desc");
    edit("desc", "Bay controller, new");
    QCOMPARE(ied->attribute("desc"), QString("Bay controller, new"));
    QCOMPARE(logged.last(), QString("Modify record: name = IED->desc, Val from [%1] to [Bay controller, new].").arg(desc));
    QVERIFY(save->isEnabled());
    QVERIFY(!window->findChild<QAction *>("actionCheckSemantic")->isEnabled());
    // Emptying an optional value keeps the attribute, empty.
    edit("desc", "");
    QVERIFY(ied->attributes.contains("desc"));
    QCOMPARE(ied->attribute("desc"), QString(""));
    QCOMPARE(logged.last(), QString("Modify record: name = IED->desc, Val from [Bay controller, new] to []."));
}

void TestAttributePanel::renamingAnIedReopensItsView()
{
    XmlObject *ied = firstIed();
    const QString oldName = ied->attribute("name");
    QMdiArea *area = window->mdiArea();
    window->slotXmlItemClicked(ied->treeItem);
    QMdiSubWindow *oldView = window->findView("IED - " + oldName);
    QVERIFY(oldView && qobject_cast<sclIed *>(oldView->widget()));
    QPointer<QMdiSubWindow> closed(oldView);
    auto *other = area->addSubWindow(new QWidget);
    other->setWindowTitle("Communication");
    show(ied);
    edit("name", "IED2");
    QCOMPARE(ied->attribute("name"), QString("IED2"));
    QStringList titles;
    for (QMdiSubWindow *w : area->subWindowList())
        titles.append(w->windowTitle());
    QCOMPARE(titles, (QStringList{"Communication", "IED - IED2"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());
    auto *reopened = qobject_cast<sclIed *>(window->findView("IED - IED2")->widget());
    QVERIFY(reopened);
    QCOMPARE(reopened->ied, ied);
    QVERIFY(ied->treeItem->text(0).startsWith("IED2 - "));
    QCOMPARE(logged.last(), QString("Modify record: name = IED->name, Val from [%1] to [IED2].").arg(oldName));
}

void TestAttributePanel::savedFileHoldsExactlyTheChange()
{
    XmlObject *ied = firstIed();
    const QString name = ied->attribute("name");
    show(ied);
    edit("manufacturer", "Norvane & Söhne <test>");
    window->findChild<QAction *>("actionSave")->trigger();
    QList<XmlObject *> reloaded = XmlReader::load(m_file);
    QList<XmlObject *> original = XmlReader::load(QStringLiteral(KESTREL_TEST_DATA) + "/good/substation.scd");
    QCOMPARE(reloaded.size(), 1);
    XmlObject *changed = reloaded.first()->findChild("IED", "name", name);
    QCOMPARE(changed->attribute("manufacturer"), QString("Norvane & Söhne <test>"));
    // Put the old value back: then the two documents are the same.
    changed->attributes.insert("manufacturer", original.first()->findChild("IED", "name", name)->attribute("manufacturer"));
    QCOMPARE(XmlReader::countElements(reloaded), XmlReader::countElements(original));
    std::function<bool(const XmlObject *, const XmlObject *)> same = [&](const XmlObject *a, const XmlObject *b) {
        if (a->name != b->name || a->value != b->value || a->children.size() != b->children.size())
            return false;
        for (auto it = a->attributes.begin(); it != a->attributes.end(); ++it) {
            if (!it.value().isEmpty() && b->attribute(it.key()) != it.value())
                return false;
        }
        for (int i = 0; i < a->children.size(); ++i) {
            if (!same(a->children.at(i), b->children.at(i)))
                return false;
        }
        return true;
    };
    QVERIFY(same(reloaded.first(), original.first()));
    QVERIFY(same(original.first(), reloaded.first()));
    qDeleteAll(reloaded);
    qDeleteAll(original);
}

QTEST_MAIN(TestAttributePanel)
#include "tst_attributepanel.moc"
