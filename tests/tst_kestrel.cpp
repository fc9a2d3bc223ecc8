#include "dlgsetting.h"
#include "guitestsupport.h"
#include "modifyrecord.h"

#include <QDockWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QTranslator>

class TestKestrel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void init();
    void cleanup() { closeWindow(); }

    void actionStatesFollowTheDocument();
    void failedSaveKeepsChanges();
    void longOperationKeepsCommandsAway();
    void closeWithFailedSaveKeepsTheDocument();
    void newWritesTheTemplate();
    void recentFiles();
    void drops_data();
    void drops();
    void trees();
    void filters();
    void logAndCheckRouting();
    void findingsLeadToTheirElements_data();
    void findingsLeadToTheirElements();
    void languageSwitch();

private:
    QTreeWidget *tree(const char *name) const { return window->findChild<QTreeWidget *>(QLatin1String(name)); }
    QString copyOf(const QString &fixture, const QString &name) { return copyFixture(*m_dir, fixture, name); }
    // An edit as the panels make it.
    void modify()
    {
        XmlObject *root = window->document().first();
        ModifyRecord::write(*window->sclDocument(), root, "revision", root->attribute("revision") + "x");
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedPrompt *m_prompt = nullptr;
};

void TestKestrel::init()
{
    QSettings().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompt = openWindow();
}

void TestKestrel::actionStatesFollowTheDocument()
{
    // The commands that can be chosen, in tool bar order.
    const auto enabled = [this] {
        QStringList names;
        for (const char *name : {"New", "Open", "Save", "Close", "ImportICD", "CheckSchema", "CheckSemantic",
                                 "CheckTemplate", "Undo", "Redo"}) {
            if (action(qPrintable(QString("action") + name))->isEnabled())
                names.append(name);
        }
        return names.join(' ');
    };
    QCOMPARE(enabled(), QString("New Open"));
    const QString file = copyOf("substation.scd", "a.scd");
    QVERIFY(window->openFile(file));
    QCOMPARE(window->windowTitle(), "Kestrel - " + file);
    QCOMPARE(enabled(), QString("Close ImportICD CheckSchema CheckSemantic CheckTemplate"));
    modify();
    // The checks read the document as it is: they stay offered.
    QCOMPARE(enabled(), QString("Save Close ImportICD CheckSchema CheckSemantic CheckTemplate Undo"));
    // Back at the saved state there is nothing to save.
    action("actionUndo")->trigger();
    QCOMPARE(enabled(), QString("Close ImportICD CheckSchema CheckSemantic CheckTemplate Redo"));
    action("actionRedo")->trigger();
    QCOMPARE(enabled(), QString("Save Close ImportICD CheckSchema CheckSemantic CheckTemplate Undo"));
    action("actionSave")->trigger();
    QVERIFY(logged.contains("Save file " + file + " succeed."));
    QCOMPARE(enabled(), QString("Close ImportICD CheckSchema CheckSemantic CheckTemplate Undo"));
    action("actionClose")->trigger();
    QVERIFY(window->document().isEmpty());
    QCOMPARE(tree("xmlTreeWidget")->topLevelItemCount(), 0);
    QVERIFY(logged.contains("Close file " + file + " succeed."));
    QCOMPARE(enabled(), QString("New Open"));
}

void TestKestrel::failedSaveKeepsChanges()
{
    const QString file = copyOf("relay.icd", "r.icd");
    QVERIFY(window->openFile(file));
    modify();
    // Save as into a folder that does not exist.
    m_prompt->fileName = m_dir->filePath("missing/r.icd");
    logged.clear();
    action("actionSaveAs")->trigger();
    QVERIFY(action("actionSave")->isEnabled());
    QVERIFY(logged.filter("succeed").isEmpty());
    QVERIFY(!QSettings().value("recentFileList").toStringList().contains(m_prompt->fileName));
    // The document still belongs to its own file: the title and the next Save say so.
    QCOMPARE(window->fileName(), file);
    QCOMPARE(window->windowTitle(), "Kestrel - " + file);
    action("actionSave")->trigger();
    QVERIFY(logged.contains("Save file " + file + " succeed."));
}

// A click on Close while the template check runs used to be handled in the
// middle of the check, which then went on in a freed document.
void TestKestrel::longOperationKeepsCommandsAway()
{
    QString types;
    for (int i = 0; i < 400; ++i)
        types += QString("<LNodeType id=\"T%1\" lnClass=\"GGIO\"><DO name=\"Ind\" type=\"D%1\"/></LNodeType>"
                         "<DOType id=\"D%1\" cdc=\"SPS\"><DA name=\"stVal\" bType=\"BOOLEAN\" fc=\"ST\"/></DOType>")
                         .arg(i);
    const QString file = m_dir->filePath("unused.scd");
    writeFile(file, QString("<SCL xmlns=\"http://www.iec.ch/61850/2003/SCL\"><Header id=\"h\"/>"
                            "<DataTypeTemplates>%1</DataTypeTemplates></SCL>").arg(types).toUtf8());
    QVERIFY(window->openFile(file));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QWidget *closeButton = window->findChild<QToolBar *>()->widgetForAction(action("actionClose"));
    QVERIFY(closeButton);

    // While the check runs, the user clicks Close (and would answer Cancel)
    // and something else logs; the event loop must turn all the same.
    m_prompt->answers = {false, false};
    bool clickedWhileBusy = false;
    const QPoint onClose = closeButton->mapTo(window, closeButton->rect().center());
    QTimer::singleShot(0, [&] {
        clickedWhileBusy = QApplication::activeModalWidget() != nullptr;
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, onClose);
        qWarning("logged during the check");
    });
    action("actionCheckTemplate")->trigger();

    QVERIFY(clickedWhileBusy);
    QVERIFY(!window->document().isEmpty());
    QVERIFY(m_prompt->asked.isEmpty());
    QVERIFY(window->findChild<QTextEdit *>("checkTextEdit")->toPlainText().contains(
            "SCL DataTypeTemplates check end"));
    auto *log = window->findChild<QTableWidget *>("logTableWidget");
    QVERIFY(!log->findItems("logged during the check", Qt::MatchContains).isEmpty());
    // The same click, once the check is done, closes the file.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, onClose);
    QVERIFY(window->document().isEmpty());
}

void TestKestrel::closeWithFailedSaveKeepsTheDocument()
{
    const QString file = copyOf("relay.icd", "r.icd");
    QVERIFY(window->openFile(file));
    modify();
    QFile::remove(file);
    QDir(m_dir->path()).mkpath("r.icd"); // the file's place is now a folder: the save must fail
    m_prompt->answers = {true};
    action("actionClose")->trigger();
    QCOMPARE(m_prompt->asked, QStringList{"Content has changed, whether to need to save ?"});
    QCOMPARE(m_prompt->informed.size(), 1);
    QVERIFY(!window->document().isEmpty());
    QVERIFY(action("actionSave")->isEnabled());

    // Quitting stops at the failed save too.
    QCloseEvent event;
    m_prompt->answers = {true};
    QCoreApplication::sendEvent(window, &event);
    QVERIFY(!event.isAccepted());
    QVERIFY(!window->document().isEmpty());

    // Declining the save quits after the second question.
    m_prompt->answers = {false, true};
    QCloseEvent second;
    QCoreApplication::sendEvent(window, &second);
    QVERIFY(second.isAccepted());
}

void TestKestrel::newWritesTheTemplate()
{
    m_prompt->fileName = m_dir->filePath("new.scd");
    action("actionNew")->trigger();
    QVERIFY(QFileInfo::exists(m_prompt->fileName));
    QCOMPARE(window->fileName(), m_prompt->fileName);
    QCOMPARE(QSettings().value("recentFileList").toStringList().value(0), m_prompt->fileName);
    const XmlObject *hitem = window->document().first()->findDescendant("Hitem");
    QVERIFY(QDateTime::fromString(hitem->attribute("when"), "yyyy-MM-dd hh:mm:ss zzz").isValid());
    QVERIFY(!action("actionSave")->isEnabled());
    QVERIFY(logged.contains("New file " + m_prompt->fileName + " succeed."));
}

void TestKestrel::recentFiles()
{
    QStringList files;
    for (int i = 0; i < 10; ++i)
        files.append(copyOf("no_namespace.xml", QString("f%1.xml").arg(i)));
    for (const QString &file : files) {
        QVERIFY(window->openFile(file));
        window->slotClose();
    }
    QVERIFY(window->openFile(files.at(5)));
    window->slotClose();
    QStringList expected = {files.at(5), files.at(9), files.at(8), files.at(7), files.at(6),
                            files.at(4), files.at(3), files.at(2), files.at(1)};
    QCOMPARE(QSettings().value("recentFileList").toStringList(), expected);

    // An entry that no longer opens leaves the list when chosen.
    QFile::remove(files.at(9));
    const QList<QAction *> actions = window->findChild<QMenu *>("menuFile")->actions();
    const auto entry = std::find_if(actions.begin(), actions.end(),
                                    [&](QAction *a) { return a->data().toString() == files.at(9); });
    QVERIFY(entry != actions.end());
    QVERIFY((*entry)->text().startsWith("&2 "));
    (*entry)->trigger();
    expected.removeAll(files.at(9));
    QCOMPARE(QSettings().value("recentFileList").toStringList(), expected);
    QVERIFY(logged.contains("Open file " + files.at(9) + " failed."));
}

void TestKestrel::drops_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("message");
    QTest::newRow("one scd") << QStringList{"d.scd"} << QString();
    QTest::newRow("upper case") << QStringList{"d.SCD"} << QString();
    QTest::newRow("mixed case") << QStringList{"d.Scd"} << "Please drag and drop the SCL file.";
    QTest::newRow("two files") << QStringList{"d.scd", "e.scd"} << "Drag and drop file number can not be more than 1.";
    QTest::newRow("none") << QStringList{} << "Not found drag and drop file.";
}

void TestKestrel::drops()
{
    QFETCH(QStringList, names);
    QFETCH(QString, message);
    QList<QUrl> urls;
    for (const QString &name : names)
        urls.append(QUrl::fromLocalFile(copyOf("relay.icd", name)));
    window->openDropped(urls);
    if (message.isEmpty()) {
        QCOMPARE(window->fileName(), urls.first().toLocalFile());
        QVERIFY(!window->document().isEmpty());
    } else {
        QVERIFY(!logged.isEmpty());
        QCOMPARE(logged.last(), message);
        QVERIFY(window->document().isEmpty());
    }
}

void TestKestrel::trees()
{
    QVERIFY(window->openFile(copyOf("substation.scd", "s.scd")));
    QTreeWidgetItem *templates = tree("dataTemplateTreeWidget")->topLevelItem(0);
    QCOMPARE(templates->childCount(), 1);
    QCOMPARE(templates->child(0)->text(0), QString("DataTypeTemplates"));
    QVERIFY(tree("xmlTreeWidget")->findItems("DataTypeTemplates", Qt::MatchRecursive).isEmpty());

    // IEDs get their subtree when first opened.
    QTreeWidgetItem *ied = window->document().first()->findChild("IED")->treeItem;
    QCOMPARE(ied->childCount(), 0);
    ied->setExpanded(true);
    QVERIFY(ied->childCount() > 0);
    QCOMPARE(static_cast<XmlTreeItem *>(ied->child(0))->element()->treeItem, ied->child(0));

    // A Val of an enumerated attribute stored by its ord shows the literal.
    XmlObject *val = window->document().first()->findDescendant("DAI", "name", "ctlModel")->findChild("Val");
    QCOMPARE(XmlTreeItem::textFor(val), QString("status-only"));
    val->value = XmlSchema::instance()->enumTypeIndex.value("ctlModel")->index.value(val->value)->attribute("ord");
    QVERIFY(val->value != "status-only");
    QCOMPARE(XmlTreeItem::textFor(val), QString("status-only"));
}

void TestKestrel::filters()
{
    QVERIFY(window->openFile(copyOf("substation.scd", "s.scd")));
    auto *iedBox = window->findChild<QComboBox *>("xmlTreeComboBox");
    const XmlObject *firstIed = window->document().first()->findChild("IED");
    const QString desc = firstIed->attribute("desc");
    iedBox->setEditText(desc.mid(1, desc.size() - 2));
    window->slotIedFiterReturnPressed();
    QCOMPARE(tree("xmlTreeWidget")->currentItem(), firstIed->treeItem);
    QVERIFY(firstIed->treeItem->isExpanded());
    // A text that several IEDs share opens each one's view; the last stays active.
    window->show();
    iedBox->setEditText("Q01_");
    window->slotIedFiterReturnPressed();
    QStringList titles;
    for (const QMdiSubWindow *view : window->mdiArea()->subWindowList())
        titles.append(view->windowTitle());
    QCOMPARE(titles, (QStringList{"IED - Q01_PROT", "IED - Q01_BCU", "IED - Q01_MU"}));
    QCOMPARE(window->mdiArea()->activeSubWindow()->windowTitle(), QString("IED - Q01_MU"));

    // Types are found by their whole id only.
    auto *typeBox = window->findChild<QComboBox *>("dataTemplateComboBox");
    const XmlObject *firstType = window->document().first()->findChild("DataTypeTemplates")->children.first();
    const QString id = firstType->attribute("id");
    const auto found = [&](const QString &text) {
        typeBox->setEditText(text);
        window->slotDataTemplateFiterReturnPressed();
        auto *current = static_cast<XmlTreeItem *>(tree("dataTemplateTreeWidget")->currentItem());
        return current && current->element() == firstType && current->isExpanded();
    };
    QVERIFY(!found(id.chopped(1)));
    QVERIFY(found(id));
}

void TestKestrel::logAndCheckRouting()
{
    auto *dock = window->findChild<QDockWidget *>("logDockWidget");
    auto *tabs = window->findChild<QTabWidget *>("tabWidget");
    auto *log = window->findChild<QTableWidget *>("logTableWidget");
    const int rows = log->rowCount();
    qWarning() << "plain line";
    QCOMPARE(log->rowCount(), rows + 1);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(dock->windowTitle(), QString("Log Browser"));
    qDebug().noquote() << "[Semantic check]|--Warn : something";
    QCOMPARE(log->rowCount(), rows + 1);
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(dock->windowTitle(), QString("Check Browser"));
    QVERIFY(window->findChild<QTextEdit *>("checkTextEdit")->toPlainText().contains("|--Warn : something"));
    // A modify record enables Save even while the check tab shows.
    QVERIFY(window->openFile(copyOf("relay.icd", "r.icd")));
    tabs->setCurrentIndex(1);
    modify();
    QVERIFY(action("actionSave")->isEnabled());
}

void TestKestrel::findingsLeadToTheirElements_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("finding"); // the start of the line to double-click
    QTest::addColumn<QString>("result");
    QTest::newRow("schema") << "actionCheckSchema"
                            << "|--Error: IED[name=WY_B1]/AccessPoint[name=AP1]/Server/LDevice[inst=LD1]/LN[lnClass=XCBR,inst=1] "
                               "(line 34): Element 'LN': No match found" << "SCL Schema check failed!";
    QTest::newRow("semantic") << "actionCheckSemantic" << "|--Error: LN lnClass = XCBR,lnType = WB_CBR inst = 1"
                              << "SCL Semantic check failed!";
}

// An LN names a type the file lacks: the finding's line, double-clicked, shows the LN.
void TestKestrel::findingsLeadToTheirElements()
{
    QFETCH(QString, check);
    QFETCH(QString, finding);
    QFETCH(QString, result);
    QVERIFY(window->openFile(KESTREL_TEST_DATA "/schema/keyref.scd"));
    modify(); // an unsaved change does not keep a check away
    action(qPrintable(check))->trigger();
    auto *panel = window->findChild<QTextEdit *>("checkTextEdit");
    const QStringList lines = panel->toPlainText().split('\n');
    QVERIFY(logged.contains(result));
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(finding); });
    QVERIFY(line != lines.end());

    QTextCursor cursor(panel->document()->findBlockByNumber(int(line - lines.begin())));
    panel->setTextCursor(cursor);
    panel->ensureCursorVisible();
    QTest::mouseDClick(panel->viewport(), Qt::LeftButton, {}, panel->cursorRect(cursor).center());
    const XmlObject *ln = window->document().first()->findDescendant("LN", "lnType", "WB_CBR");
    QCOMPARE(window->findChild<attribute *>("attributeTableWidget")->shownObject(), ln);
    QCOMPARE(tree("xmlTreeWidget")->currentItem(), ln->treeItem);
}

void TestKestrel::languageSwitch()
{
    QTranslator translator;
    QCoreApplication::installTranslator(&translator);
    window->setTranslator(&translator, 0);
    DlgSetting dialog;
    dialog.setTranslator(&translator, 0);
    const auto choose = [&dialog](const QString &language) {
        dialog.show();
        QVERIFY(chooseEntry(dialog.findChild<QComboBox *>("LanguageComboBox"), language));
        QTest::mouseClick(dialog.findChild<QPushButton *>("okBtn"), Qt::LeftButton);
    };
    choose("English American");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QSettings().value("language").toInt(), 1);
    QVERIFY(translator.language().startsWith("en"));

    choose("Simplified Chinese");
    QCOMPARE(QSettings().value("language").toInt(), 0);
    QCOMPARE(translator.language(), QString("zh_CN"));
    // The language change is posted; the window retranslates when it arrives.
    QTRY_COMPARE(action("actionSave")->text(), QString::fromUtf8("保存(&S)"));
    QCOMPARE(window->windowTitle(), QString("Kestrel"));
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(action("actionSave")->text(), QString("Save(&S)"));
}

QTEST_MAIN(TestKestrel)
#include "tst_kestrel.moc"
