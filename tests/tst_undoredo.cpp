#include "guitestsupport.h"
#include "sclcheck.h"

#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextBlock>
#include <QUndoStack>

// Every edit made through the window can be taken back and made again, and
// the trees, the panels and the views show the document as it is.

namespace {

// Acts in the next modal dialog once it is up.
void inNextDialog(const std::function<void(QDialog *)> &act)
{
    QTimer::singleShot(10, [act] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            act(dialog);
        else
            inNextDialog(act);
    });
}

} // namespace

class TestUndoRedo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void init();
    void cleanup() { closeWindow(); }
    void deleteUndoAndRedoFromTheKeyboard();
    void treeFollowsAMoveAndAnInsert();
    void pastedTypeIsOfferedAgain();
    void viewsLetGoOfWhatLeaves();
    void backAtTheSavedStateNothingIsAsked();
    void renameAsksThenCarriesItsReferences();
    void whereUsedLeadsToEachPlace();

private:
    XmlObject *root() const { return window->document().first(); }
    XmlObject *ied(const QString &name) const { return root()->findChild("IED", "name", name); }
    // Presses keys as the user does: at the window, which has the focus.
    void press(const QKeySequence &keys)
    {
        QApplication::setActiveWindow(window);
        QTest::keySequence(window, keys);
        QCoreApplication::processEvents();
    }
    QStringList viewTitles() const
    {
        QCoreApplication::processEvents();
        QStringList titles;
        for (const QMdiSubWindow *view : window->mdiArea()->subWindowList())
            titles.append(view->windowTitle());
        return titles;
    }

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
};

void TestUndoRedo::init()
{
    m_prompt = openCopy(m_dir, KESTREL_TEST_DATA "/good/substation.scd", m_file);
    QVERIFY(m_prompt && !window->document().isEmpty());
}

void TestUndoRedo::deleteUndoAndRedoFromTheKeyboard()
{
    XmlObject *bcu = ied("Q01_BCU");
    const int position = root()->children.indexOf(bcu);
    QVERIFY(clickInTree(bcu));
    QCOMPARE(viewTitles(), QStringList{"IED - Q01_BCU"});
    QVERIFY(clickEntry(openContextMenu(bcu), "Delete"));
    QVERIFY(!root()->children.contains(bcu));
    QVERIFY(!bcu->treeItem);
    QCOMPARE(viewTitles(), QStringList());
    QCOMPARE(action("actionUndo")->text(), QString("Undo delete IED Q01_BCU"));

    press(QKeySequence(Qt::CTRL + Qt::Key_Z));
    QCOMPARE(root()->children.indexOf(bcu), position);
    QVERIFY(bcu->treeItem);
    QCOMPARE(bcu->treeItem->parent()->indexOfChild(bcu->treeItem), position);
    // What came back is shown: selected in the tree, its view open.
    QCOMPARE(window->findChild<QTreeWidget *>("xmlTreeWidget")->currentItem(), bcu->treeItem);
    QCOMPARE(viewTitles(), QStringList{"IED - Q01_BCU"});
    QVERIFY(logged.contains("Undo delete IED Q01_BCU successfully."));
    QVERIFY(!action("actionSave")->isEnabled());

    press(QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z));
    QVERIFY(!root()->children.contains(bcu));
    QCOMPARE(viewTitles(), QStringList());
    QVERIFY(logged.contains("Redo delete IED Q01_BCU successfully."));
    press(QKeySequence(Qt::CTRL + Qt::Key_Z));
    press(QKeySequence(Qt::CTRL + Qt::Key_Y));
    QVERIFY(!root()->children.contains(bcu));
    QVERIFY(action("actionSave")->isEnabled());
}

// Moving an IED, then inserting into another whose items were made, left
// that one showing its new child only.
void TestUndoRedo::treeFollowsAMoveAndAnInsert()
{
    XmlObject *prot = ied("Q01_PROT");
    XmlObject *bcu = ied("Q01_BCU");
    QVERIFY(clickInTree(bcu));
    QVERIFY(clickEntry(openContextMenu(prot), "Down"));
    QCOMPARE(root()->children.indexOf(prot), root()->children.indexOf(bcu) + 1);
    inNextDialog([](QDialog *dialog) {
        auto *table = dialog->findChild<QTableWidget *>("tableWidget");
        editCell(table->item(table->findItems("name", Qt::MatchExactly).first()->row(), 1), "S9");
        QTest::mouseClick(dialog->findChild<QPushButton *>("okBtn"), Qt::LeftButton);
    });
    QVERIFY(clickEntry(openContextMenu(bcu), "Insert AccessPoint"));
    QCOMPARE(bcu->children.last()->attribute("name"), QString("S9"));
    QCOMPARE(bcu->treeItem->childCount(), bcu->children.size());
    for (int i = 0; i < bcu->children.size(); ++i)
        QCOMPARE(bcu->children.at(i)->treeItem, bcu->treeItem->child(i));
    // Both IED items stand where their IEDs do.
    const QTreeWidgetItem *top = root()->treeItem;
    QCOMPARE(top->indexOfChild(prot->treeItem), top->indexOfChild(bcu->treeItem) + 1);
}

// A cut type went out of the type index and a paste did not bring it back.
void TestUndoRedo::pastedTypeIsOfferedAgain()
{
    XmlObject *templates = root()->findChild("DataTypeTemplates");
    XmlObject *type = templates->findChild("LNodeType", "id", "NW_LPHD");
    QVERIFY(clickEntry(openContextMenu(type), "Cut"));
    QVERIFY(!templates->findChild("LNodeType", "id", "NW_LPHD"));
    QVERIFY(clickEntry(openContextMenu(templates), "Paste"));
    XmlObject *pasted = templates->findChild("LNodeType", "id", "NW_LPHD");
    QVERIFY(pasted && pasted->treeItem);

    // The insert dialog of a logical node offers it.
    QStringList offered;
    inNextDialog([&](QDialog *dialog) {
        auto *table = dialog->findChild<QTableWidget *>("tableWidget");
        auto *editor = qobject_cast<QComboBox *>(
                openEditor(table->item(table->findItems("lnType", Qt::MatchExactly).first()->row(), 1)));
        offered = entries(editor);
        dialog->reject();
    });
    QVERIFY(clickEntry(openContextMenu(root()->findDescendant("LDevice")), "Insert LN"));
    QVERIFY(offered.contains("NW_LPHD"));
}

void TestUndoRedo::viewsLetGoOfWhatLeaves()
{
    // The only device of an IED deleted in its view: no tab lists anything of it.
    XmlObject *mu = ied("Q01_MU");
    XmlObject *device = mu->findDescendant("LDevice");
    QVERIFY(clickInTree(device));
    auto *view = window->findView("IED - Q01_MU")->widget();
    auto *devices = view->findChild<QTableWidget *>("LdTableWidget");
    clickCell(itemOf(devices, device));
    QTest::mouseClick(view->findChild<QPushButton *>("deleteBtn"), Qt::LeftButton);
    QVERIFY(!mu->findDescendant("LDevice"));
    QCOMPARE(devices->rowCount(), 0);
    for (const char *name : {"LdComboBox", "LnComboBox"})
        QCOMPARE(entries(view->findChild<QComboBox *>(name)), QStringList());
    for (const char *name : {"LnTableWidget", "DataSetTableWidget", "FcdaTableWidget", "RpTableWidget"})
        QCOMPARE(view->findChild<QTableWidget *>(name)->rowCount(), 0);

    // An IED deleted in the tree takes its open view along, and the panel lets go of it.
    XmlObject *bcu = ied("Q01_BCU");
    QVERIFY(clickInTree(bcu));
    QCOMPARE(window->findChild<attribute *>("attributeTableWidget")->shownObject(), bcu);
    QVERIFY(clickEntry(openContextMenu(bcu), "Delete"));
    QVERIFY(!viewTitles().contains("IED - Q01_BCU"));
    QCOMPARE(window->findChild<attribute *>("attributeTableWidget")->rowCount(), 0);

    // A type the template check deletes while the panel shows it leaves nothing to edit.
    XmlObject *templates = root()->findChild("DataTypeTemplates");
    XmlObject *unused = templates->findChild("LNodeType", "id", "AG_IHMI");
    QVERIFY(clickInTree(unused));
    QCOMPARE(window->findChild<attribute *>("attributeTableWidget")->shownObject(), unused);
    logged.clear();
    action("actionCheckTemplate")->trigger();
    QVERIFY(!templates->children.contains(unused));
    QCOMPARE(window->findChild<attribute *>("attributeTableWidget")->rowCount(), 0);
    QVERIFY(!unused->treeItem);
    // One step takes all the deletions back.
    QVERIFY(action("actionUndo")->text().startsWith("Undo delete unused types"));
    action("actionUndo")->trigger();
    QVERIFY(templates->children.contains(unused) && unused->treeItem);
}

void TestUndoRedo::backAtTheSavedStateNothingIsAsked()
{
    XmlObject *prot = ied("Q01_PROT");
    QVERIFY(clickInTree(prot));
    auto *panel = window->findChild<attribute *>("attributeTableWidget");
    editCell(panel->item(panel->findItems("desc", Qt::MatchExactly).first()->row(), 1), "Changed");
    QCOMPARE(prot->attribute("desc"), QString("Changed"));
    QVERIFY(action("actionSave")->isEnabled());
    action("actionUndo")->trigger();
    QCOMPARE(prot->attribute("desc"), QString("Line protection Q01"));
    QVERIFY(!action("actionSave")->isEnabled());
    action("actionClose")->trigger();
    QCOMPARE(m_prompt->asked, QStringList());
    QVERIFY(window->document().isEmpty());
    // Closing forgot every step.
    QCOMPARE(window->undoStack()->count(), 0);
}

void TestUndoRedo::renameAsksThenCarriesItsReferences()
{
    XmlObject *mu = ied("Q01_MU");
    QVERIFY(clickInTree(mu));
    auto *panel = window->findChild<attribute *>("attributeTableWidget");
    const auto nameCell = [panel] {
        QCoreApplication::processEvents();
        return panel->item(panel->findItems("name", Qt::MatchExactly).first()->row(), 1);
    };
    const XmlObject before(*root());

    // Declined: nothing changes, and the cell shows the name it has.
    m_prompt->answers = {false};
    editCell(nameCell(), "MU9");
    QCOMPARE(m_prompt->asked,
             QStringList{"Renaming IED Q01_MU to MU9 changes the 13 references to it as well. Continue?"});
    QCOMPARE(mu->attribute("name"), QString("Q01_MU"));
    QCOMPARE(nameCell()->text(), QString("Q01_MU"));
    QVERIFY(!action("actionSave")->isEnabled());

    // Agreed: the IED and everything that named it take the new name, in one step.
    editCell(nameCell(), "MU9");
    QCOMPARE(mu->attribute("name"), QString("MU9"));
    QVERIFY(root()->findDescendant("ConnectedAP", "iedName", "MU9"));
    for (const char *referrer : {"ConnectedAP", "ExtRef", "LNode", "ClientLN"})
        QVERIFY(!root()->findDescendant(referrer, "iedName", "Q01_MU"));
    QCOMPARE(action("actionUndo")->text(), QString("Undo rename IED Q01_MU to MU9"));
    action("actionUndo")->trigger();
    QVERIFY(sameTree(root(), &before));
}

void TestUndoRedo::whereUsedLeadsToEachPlace()
{
    XmlObject *mu = ied("Q01_MU");
    QVERIFY(clickEntry(openContextMenu(mu), "Where used"));
    auto *check = window->findChild<sclCheck *>("checkTextEdit");
    const QStringList lines = check->toPlainText().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QString("IED Q01_MU is named in 13 places:"));
    QCOMPARE(lines.size(), 14);
    XmlObject *connectedAp = root()->findDescendant("ConnectedAP", "iedName", "Q01_MU");
    const QString line = "    Communication / SubNetwork " + connectedAp->parent->attribute("name")
            + " / ConnectedAP: iedName = Q01_MU";
    QVERIFY(lines.contains(line));

    // A double-click on a line shows that place.
    const QTextBlock block = check->document()->findBlockByNumber(lines.indexOf(line));
    QTextCursor cursor(block);
    check->setTextCursor(cursor);
    check->ensureCursorVisible();
    QTest::mouseDClick(check->viewport(), Qt::LeftButton, {}, check->cursorRect(cursor).center());
    QCOMPARE(window->findChild<attribute *>("attributeTableWidget")->shownObject(), connectedAp);
    QCOMPARE(window->findChild<QTreeWidget *>("xmlTreeWidget")->currentItem(), connectedAp->treeItem);
}

QTEST_MAIN(TestUndoRedo)
#include "tst_undoredo.moc"
