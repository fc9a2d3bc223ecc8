#include "kestrel.h"
#include "ui_kestrel.h"

#include "dialogprogress.h"
#include "dlgabout.h"
#include "dlgemail.h"
#include "dlgsetting.h"
#include "editcommand.h"
#include "elementview.h"
#include "menuloader.h"
#include "modifyrecord.h"
#include "nvprocess.h"
#include "renameengine.h"
#include "sclcommunication.h"
#include "schemavalidator.h"
#include "scldocument.h"
#include "sharedprogress.h"
#include "sclhistory.h"
#include "sclied.h"
#include "sclsubnetwork.h"
#include "treefollower.h"
#include "undocommand.h"
#include "userprompt.h"
#include "viewfollower.h"
#include "xmlcheck.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xmltreebuilder.h"
#include "xmltreeitem.h"

#include <QCloseEvent>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDebug>
#include <QEventLoop>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QProgressDialog>
#include <QSettings>
#include <QTabBar>
#include <QThread>
#include <QTimer>
#include <QUndoStack>
#include <QUndoView>

#include <atomic>
#include <thread>

const QString Kestrel::TemplateFile = QStringLiteral(":/Xml/init");

namespace {

const char *const RecentFilesKey = "recentFileList";
const char *const BackgroundStyle = "border-image: url(:/Kestrel/background);";

const QStringList &sectionTags()
{
    static const QStringList tags = {"[Schema check]", "[Semantic check]", "[DataTypeTemplates check]",
                                     "[Where used]"};
    return tags;
}

// While a check runs, each line it logs about an element leads to that element.
class FindingLinks
{
public:
    explicit FindingLinks(sclCheck *panel)
    {
        XmlCheck::instance()->setRecorder([panel](QtMsgType, const QString &, const XmlObject *element) {
            panel->linkLastLine(element);
        });
    }
    ~FindingLinks() { XmlCheck::instance()->setRecorder({}); }
    FindingLinks(const FindingLinks &) = delete;
    FindingLinks &operator=(const FindingLinks &) = delete;
};

} // namespace

Kestrel::Kestrel(QWidget *parent)
    : QMainWindow(parent),
      ui(std::make_unique<Ui::KestrelClass>()),
      m_prompt(std::make_unique<UserPrompt>())
{
    ui->setupUi(this);
    setAcceptDrops(true);
    m_progress = new QProgressDialog(this);
    // Modal to the whole program, floating docks included: while it is up, no
    // command can reach the document a long operation works on.
    m_progress->setWindowModality(Qt::ApplicationModal);
    m_progress->setCancelButton(nullptr);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->reset();
    m_progress->hide();

    setupDocument();
    setupDocks();
    connectActions();
    showBackground(true);
    setDocumentOpen(false);
    ui->actionSave->setEnabled(false);
    updateRecentFileActions();
}

Kestrel::~Kestrel()
{
    // Tree items point into the document: they go first.
    ui->xmlTreeWidget->clear();
    ui->dataTemplateTreeWidget->clear();
    ui->instanceTreeWidget->clear();
    // Commands hold elements and the trees show them: all go before the document.
    m_undoStack->clear();
    m_document->setRecorder({});
    delete m_document;
}

void Kestrel::setupDocument()
{
    m_document = new SclDocument;
    m_undoStack = new QUndoStack(this);
    m_document->setRecorder([this](std::unique_ptr<EditCommand> command) {
        m_undoStack->push(new UndoCommand(m_document, std::move(command), [this](XmlObject *element) {
            showElement(element);
        }));
    });
    connect(m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { setModified(!clean); });
    auto *trees = new TreeFollower(m_document);
    connect(trees, &TreeFollower::namesChanged, this, &Kestrel::updateCompleters);
    connect(trees, &TreeFollower::templatesInserted, this, &Kestrel::buildTemplateTree);
    auto *views = new ViewFollower(m_document, ui->mdiArea);
    connect(views, &ViewFollower::lastViewClosed, this, [this] { showBackground(true); });
    ui->attributeTableWidget->follow(m_document);
    // The instance tree shows copies of one data instance: they go with anything removed.
    connect(m_document, &SclDocument::elementAboutToBeRemoved, ui->instanceTreeWidget, &QTreeWidget::clear);
    connect(m_document, &SclDocument::documentReset, ui->instanceTreeWidget, &QTreeWidget::clear);
    connect(m_document, &SclDocument::elementAboutToBeRemoved, ui->checkTextEdit, &sclCheck::forgetElements);
    connect(m_document, &SclDocument::documentReset, ui->checkTextEdit, &sclCheck::forgetElements);
    connect(ui->checkTextEdit, &sclCheck::elementActivated, this, &Kestrel::showElement);

    QAction *undo = m_undoStack->createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setIcon(QIcon(QStringLiteral(":/Kestrel/undo")));
    // The tool bar keeps a short word; the menu and the tool tip name the step.
    undo->setIconText(tr("Undo"));
    QAction *redo = m_undoStack->createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z), QKeySequence(Qt::CTRL + Qt::Key_Y)});
    redo->setIcon(QIcon(QStringLiteral(":/Kestrel/redo")));
    redo->setIconText(tr("Redo"));
    ui->menuEdit->addAction(undo);
    ui->menuEdit->addAction(redo);
    ui->mainToolBar->insertAction(ui->mainToolBar->actions().value(3), undo);
    ui->mainToolBar->insertAction(ui->mainToolBar->actions().value(4), redo);

    auto *history = new QUndoView(m_undoStack);
    history->setEmptyLabel(tr("<opened file>"));
    history->setObjectName(QStringLiteral("historyView"));
    ui->historyDockWidget->setWidget(history);
    ui->menuEdit->addSeparator();
    ui->menuEdit->addAction(ui->historyDockWidget->toggleViewAction());
}

const QList<XmlObject *> &Kestrel::document() const
{
    return m_document->roots();
}

QString Kestrel::fileName() const
{
    return m_document->fileName();
}

void Kestrel::showElement(XmlObject *element)
{
    if (!element)
        return;
    // Inside an IED the items are made when it is first opened.
    XmlObject *ied = element->enclosing(QStringLiteral("IED"));
    if (ied && ied->treeItem)
        XmlTreeBuilder::buildSubtree(ied->treeItem);
    XmlObject *shown = element;
    while (shown && !shown->treeItem)
        shown = shown->parent;
    if (!shown)
        return;
    QTreeWidget *tree = shown->treeItem->treeWidget();
    tree->scrollToItem(shown->treeItem);
    tree->setCurrentItem(shown->treeItem);
    // As a click on it would: its view opens, its attributes show.
    if (tree == ui->xmlTreeWidget)
        slotXmlItemClicked(shown->treeItem);
    else
        slotDataTemplateItemClicked(shown->treeItem);
}

bool Kestrel::editAttribute(XmlObject *element, const QString &key, const QString &value)
{
    if (element->attributes.contains(key) && element->attribute(key) == value)
        return true;
    const RenameEngine renames(*m_document);
    const int carried = renames.references(element, key).size();
    if (carried == 0) {
        ModifyRecord::write(*m_document, element, key, value);
        return true;
    }
    const QString name = EditCommand::nameOf(element);
    if (!m_prompt->confirm(this, tr("Message"),
                           tr("Renaming %1 to %2 changes the %3 references to it as well. Continue?")
                                   .arg(name, value).arg(carried)))
        return false;
    renames.rename(*m_document, element, key, value);
    qDebug().noquote() << tr("Modify record: rename %1 to %2, %3 references follow.").arg(name, value).arg(carried);
    return true;
}

void Kestrel::showWhereUsed(XmlObject *element)
{
    const auto pathOf = [](const XmlObject *e) {
        QStringList names;
        for (; e && e->parent; e = e->parent)
            names.prepend(EditCommand::nameOf(e));
        return names.join(QLatin1String(" / "));
    };
    const QList<Reference> references = RenameEngine(*m_document).references(element);
    ui->checkTextEdit->clear();
    qDebug().noquote() << tr("[Where used]%1 is named in %2 places:").arg(pathOf(element)).arg(references.size());
    for (const Reference &reference : references) {
        const QString line = tr("[Where used]    %1: %2 = %3")
                .arg(pathOf(reference.element), reference.attribute, reference.element->attribute(reference.attribute));
        ui->checkTextEdit->outputFor(line, reference.element);
    }
}

int Kestrel::referencesTo(const XmlObject *element) const
{
    return RenameEngine(*m_document).references(element).size();
}

void Kestrel::updateCompleters()
{
    QStringList names;
    QStringList ids;
    XmlTreeBuilder::collectNames(m_document->roots(), &names, &ids);
    setCompleter(ui->xmlTreeComboBox, m_iedCompleter, names);
    setCompleter(ui->dataTemplateComboBox, m_typesCompleter, ids);
}

void Kestrel::setupDocks()
{
    tabifyDockWidget(ui->xmlTreeDockWidget, ui->dataTemplateDockWidget);
    ui->xmlTreeDockWidget->raise();
    ui->logDockWidget->hide();
    resizeDocks({ui->xmlTreeDockWidget, ui->attributeDockWidget}, {380, 320}, Qt::Horizontal);
    resizeDocks({ui->logDockWidget}, {200}, Qt::Vertical);
    ui->tabWidget->setCurrentIndex(0);
    ui->logTableWidget->setColumnWidth(0, 100);
    ui->logTableWidget->setColumnWidth(1, 200);
    ui->logTableWidget->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui->xmlTreeComboBox->lineEdit()->setPlaceholderText(tr("Filter ied name or description"));
    ui->dataTemplateComboBox->lineEdit()->setPlaceholderText(tr("Filter types id"));
    ui->xmlTreeWidget->viewport()->installEventFilter(this);
    ui->dataTemplateTreeWidget->viewport()->installEventFilter(this);
    ui->xmlTreeWidget->setContextMenuPolicy(Qt::DefaultContextMenu);

    m_recentSeparator = ui->menuFile->addSeparator();
    for (int i = 0; i < MaxRecentFiles; ++i) {
        auto *action = new QAction(this);
        action->setVisible(false);
        connect(action, &QAction::triggered, this, &Kestrel::slotOpenRecentFile);
        ui->menuFile->insertAction(m_recentSeparator, action);
        m_recentFileActions.append(action);
    }
    ui->menuFile->addAction(ui->actionQuit);
}

void Kestrel::connectActions()
{
    connect(ui->actionNew, &QAction::triggered, this, &Kestrel::slotNew);
    connect(ui->actionOpen, &QAction::triggered, this, &Kestrel::slotOpen);
    connect(ui->actionSave, &QAction::triggered, this, &Kestrel::slotSave);
    connect(ui->actionSaveAs, &QAction::triggered, this, &Kestrel::slotSaveAs);
    connect(ui->actionClose, &QAction::triggered, this, &Kestrel::slotClose);
    connect(ui->actionQuit, &QAction::triggered, this, &Kestrel::close);
    connect(ui->actionImportICD, &QAction::triggered, this, &Kestrel::slotImportIcd);
    connect(ui->actionCheckSchema, &QAction::triggered, this, &Kestrel::slotCheckSchema);
    connect(ui->actionCheckSemantic, &QAction::triggered, this, &Kestrel::slotCheckSemantic);
    connect(ui->actionCheckTemplate, &QAction::triggered, this, &Kestrel::slotCheckTemplate);
    connect(ui->actionSetting, &QAction::triggered, this, &Kestrel::slotSetting);
    connect(ui->actionFeedBack, &QAction::triggered, this, &Kestrel::slotFeedBack);
    connect(ui->actionUpdate, &QAction::triggered, this, &Kestrel::slotUpdate);
    connect(ui->actionAbout, &QAction::triggered, this, &Kestrel::slotAbout);
    connect(ui->actionSCL_Browse, &QAction::triggered, this, &Kestrel::slotSCLBrowse);
    connect(ui->actionDataTypeTemplates_Browse, &QAction::triggered, this, &Kestrel::slotDataTypeTemplatesBrowse);
    connect(ui->actionLog_Browse, &QAction::triggered, this, &Kestrel::slotLogBrowse);
    connect(ui->actionAttribute_Browse, &QAction::triggered, this, &Kestrel::slotAttributeBrowse);
    connect(ui->actionInstance_Browse, &QAction::triggered, this, &Kestrel::slotInstanceBrowse);

    connect(ui->xmlTreeWidget, &QTreeWidget::itemClicked, this, &Kestrel::slotXmlItemClicked);
    connect(ui->xmlTreeWidget, &QTreeWidget::itemExpanded, this, &Kestrel::slotXmlItemExpanded);
    connect(ui->xmlTreeWidget, &QTreeWidget::itemCollapsed, this, &Kestrel::slotXmlItemCollapsed);
    connect(ui->dataTemplateTreeWidget, &QTreeWidget::itemClicked, this, &Kestrel::slotDataTemplateItemClicked);
    connect(ui->dataTemplateTreeWidget, &QTreeWidget::itemExpanded, this, &Kestrel::slotDataTemplateItemExpanded);
    connect(ui->dataTemplateTreeWidget, &QTreeWidget::itemCollapsed, this, &Kestrel::slotDataTemplateItemCollapsed);
    connect(ui->instanceTreeWidget, &QTreeWidget::itemClicked, this, &Kestrel::slotInstanceItemClicked);
    connect(ui->xmlTreeComboBox->lineEdit(), &QLineEdit::returnPressed, this, &Kestrel::slotIedFiterReturnPressed);
    connect(ui->xmlTreeSearchBtn, &QToolButton::clicked, this, &Kestrel::slotIedFiterReturnPressed);
    connect(ui->dataTemplateComboBox->lineEdit(), &QLineEdit::returnPressed, this,
            &Kestrel::slotDataTemplateFiterReturnPressed);
    connect(ui->dataTemplateSearchBtn, &QToolButton::clicked, this, &Kestrel::slotDataTemplateFiterReturnPressed);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &Kestrel::slotCurrentChanged);

    m_mdiTabBar = ui->mdiArea->findChild<QTabBar *>();
    if (m_mdiTabBar)
        connect(m_mdiTabBar, &QTabBar::tabCloseRequested, this, &Kestrel::slotCloseTab);
}

QMdiArea *Kestrel::mdiArea() const
{
    return ui->mdiArea;
}

void Kestrel::setUserPrompt(UserPrompt *prompt)
{
    m_prompt.reset(prompt);
}

void Kestrel::setTranslator(QTranslator *translator, int language)
{
    m_translator = translator;
    m_language = language;
}

void Kestrel::messageOutput(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (QThread::currentThread() != thread()) {
        // Widgets belong to the GUI thread: hand the message over to it.
        const QByteArray file(context.file), function(context.function), category(context.category);
        const int line = context.line;
        QMetaObject::invokeMethod(this, [=] {
            const QMessageLogContext copy(file.constData(), line, function.constData(), category.constData());
            messageOutput(type, copy, text);
        }, Qt::QueuedConnection);
        return;
    }
    if (ui->logDockWidget->isHidden())
        ui->logDockWidget->show();
    // No events are processed here: a command handled in the middle of a log
    // line could free the document under the operation that logs, and the
    // logger hands messages of a nested call to stderr only. Long operations
    // keep the window painting through their progress dialog instead.
    const bool forCheck = std::any_of(sectionTags().begin(), sectionTags().end(),
                                      [&](const QString &tag) { return text.contains(tag); });
    ui->tabWidget->setCurrentIndex(forCheck ? 1 : 0);
    if (forCheck)
        ui->checkTextEdit->output(type, context, text);
    else
        ui->logTableWidget->output(type, context, text);
}

void Kestrel::setDocumentOpen(bool open)
{
    ui->actionNew->setEnabled(!open);
    ui->actionOpen->setEnabled(!open);
    for (QAction *action : {ui->actionClose, ui->actionImportICD, ui->actionCheckSchema,
                            ui->actionCheckSemantic, ui->actionCheckTemplate})
        action->setEnabled(open);
}

void Kestrel::setModified(bool modified)
{
    // The checks read the document as it is now: they need no save first.
    ui->actionSave->setEnabled(modified);
}

void Kestrel::updateTitle()
{
    const QString file = m_document->fileName();
    setWindowTitle(file.isEmpty() ? tr("Kestrel") : tr("Kestrel") + QLatin1String(" - ") + file);
}

bool Kestrel::openFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (!QFileInfo::exists(path)) {
        qWarning().noquote() << tr("File %1 no exist.").arg(path);
        return false;
    }
    if (!fileResolver(path))
        return false;
    if (path != TemplateFile) {
        qDebug().noquote() << tr("Open file %1 succeed.").arg(path);
        setCurrentFile(path);
    }
    updateTitle();
    setDocumentOpen(true);
    return true;
}

bool Kestrel::runLongOperation(const QString &label, const std::function<bool(Progress *)> &work)
{
    // Up before its first value: a modal dialog's value turns the event loop.
    m_progress->setLabelText(label);
    m_progress->setRange(0, 0);
    m_progress->show();
    m_progress->setValue(0);
    DialogProgress progress(m_progress);
    const bool done = work(&progress);
    m_progress->hide();
    return done;
}

bool Kestrel::runInBackground(const QString &label, const std::function<bool(Progress *)> &work)
{
    return runLongOperation(label, [&](Progress *progress) {
        // The document is read on the worker only: the progress dialog keeps every edit away.
        SharedProgress shared;
        std::atomic<bool> finished{false};
        bool result = false;
        std::thread worker([&] {
            result = work(&shared);
            finished = true;
        });
        while (!finished) {
            shared.forwardTo(progress);
            QEventLoop wait;
            QTimer::singleShot(20, &wait, &QEventLoop::quit);
            wait.exec();
        }
        worker.join();
        return result;
    });
}

bool Kestrel::isBusy() const
{
    return m_progress->isVisible();
}

bool Kestrel::fileResolver(const QString &path)
{
    // The reader sets the range itself, from the file size.
    return runLongOperation(tr("Please wait, SCL file parsing ......"), [&](Progress *progress) {
        if (!m_document->load(path, progress)) {
            qCritical().noquote() << tr("Open file %1 failed.").arg(path);
            return false;
        }
        m_undoStack->clear();
        buildTrees();
        return true;
    });
}

void Kestrel::buildTrees()
{
    XmlTreeBuilder::buildSclTree(ui->xmlTreeWidget, m_document->roots());
    // Open on the document's sections.
    if (QTreeWidgetItem *top = ui->xmlTreeWidget->topLevelItem(0))
        top->setExpanded(true);
    buildTemplateTree();
    updateCompleters();
}

void Kestrel::buildTemplateTree()
{
    XmlTreeBuilder::buildTemplateTree(ui->dataTemplateTreeWidget, m_document->roots());
    // Open on the list of types.
    if (QTreeWidgetItem *top = ui->dataTemplateTreeWidget->topLevelItem(0)) {
        top->setExpanded(true);
        for (int i = 0; i < top->childCount(); ++i)
            top->child(i)->setExpanded(true);
    }
}

void Kestrel::setCompleter(QComboBox *box, std::unique_ptr<QCompleter> &completer, const QStringList &words)
{
    auto next = std::make_unique<QCompleter>(words);
    next->setCaseSensitivity(Qt::CaseInsensitive);
    box->lineEdit()->setCompleter(next.get());
    completer = std::move(next);
}

void Kestrel::setCurrentFile(const QString &path)
{
    QSettings settings;
    QStringList files = settings.value(QLatin1String(RecentFilesKey)).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    settings.setValue(QLatin1String(RecentFilesKey), files);
    updateRecentFileActions();
}

void Kestrel::updateRecentFileActions()
{
    const QStringList files = QSettings().value(QLatin1String(RecentFilesKey)).toStringList();
    const int count = qMin(files.size(), MaxRecentFiles);
    for (int i = 0; i < MaxRecentFiles; ++i) {
        QAction *action = m_recentFileActions.at(i);
        action->setVisible(i < count);
        if (i < count) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(files.at(i)));
            action->setData(files.at(i));
        }
    }
    m_recentSeparator->setVisible(count > 0);
}

void Kestrel::slotNew()
{
    const QString path = m_prompt->saveFileName(
            this, tr("New File"), tr("SCD files(*.scd);;CID files(*.cid);;ICD files(*.icd);;XML files(*.xml);;All files(*.*)"));
    if (path.isEmpty())
        return;
    if (!openFile(TemplateFile)) {
        qDebug().noquote() << tr("New file %1 failed.").arg(path);
        return;
    }
    if (XmlObject *hitem = m_document->roots().first()->findDescendant(QStringLiteral("Hitem")))
        hitem->attributes.insert(QStringLiteral("when"), QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss zzz"));
    if (saveAs(path)) {
        qDebug().noquote() << tr("New file %1 succeed.").arg(path);
    } else {
        // The new document exists in memory only, bound to the file it is meant for.
        m_document->setFileName(path);
        updateTitle();
    }
}

void Kestrel::slotOpen()
{
    const QString path = m_prompt->openFileName(
            this, tr("Open File"),
            tr("SCL files(*.scd *.cid *.icd);;SCD files(*.scd);;CID files(*.cid);;ICD files(*.icd);;XML files(*.xml);;All files(*.*)"));
    if (path.isEmpty())
        return;
    if (!openFile(path))
        qWarning().noquote() << tr("Open file %1 failed.").arg(path);
}

void Kestrel::slotSave()
{
    save();
}

bool Kestrel::save()
{
    return saveAs(m_document->fileName());
}

bool Kestrel::saveAs(const QString &path)
{
    if (path.isEmpty())
        return false;
    const bool saved = runLongOperation(tr("Please wait, SCL file saving ......"), [&](Progress *progress) {
        return m_document->save(path, progress);
    });
    if (!saved) {
        // The writer logged why; the changes are still unsaved, and the
        // document still belongs to the file it came from.
        ui->actionSave->setEnabled(true);
        return false;
    }
    updateTitle();
    qDebug().noquote() << tr("Save file %1 succeed.").arg(path);
    m_undoStack->setClean();
    setModified(false);
    setCurrentFile(path);
    return true;
}

void Kestrel::slotSaveAs()
{
    if (m_document->fileName().isEmpty())
        return;
    const QString path = m_prompt->saveFileName(
            this, tr("Save File"), tr("SCD files(*.scd);;CID files(*.cid);;ICD files(*.icd);;XML files(*.xml);;All files(*.*)"));
    saveAs(path);
}

void Kestrel::slotClose()
{
    closeDocument();
}

bool Kestrel::closeDocument()
{
    if (m_document->isEmpty())
        return true;
    if (ui->actionSave->isEnabled()) {
        if (m_prompt->confirm(this, tr("Kestrel"), tr("Content has changed, whether to need to save ?"))) {
            if (!save()) {
                m_prompt->inform(this, tr("Message"),
                                 tr("Save file %1 failed. The file stays open with its changes.").arg(m_document->fileName()));
                return false;
            }
        } else {
            ui->actionSave->setEnabled(false);
        }
    }
    ui->xmlTreeWidget->clear();
    ui->dataTemplateTreeWidget->clear();
    ui->instanceTreeWidget->clear();
    ui->attributeTableWidget->showObject(nullptr, nullptr);
    for (QMdiSubWindow *window : ui->mdiArea->subWindowList()) {
        ui->mdiArea->removeSubWindow(window);
        delete window;
    }
    showBackground(true);
    const QString closed = m_document->fileName();
    m_undoStack->clear();
    m_document->close();
    XmlCheck::instance()->clearLogicalNodes();
    qDebug().noquote() << tr("Close file %1 succeed.").arg(closed);
    updateTitle();
    setDocumentOpen(false);
    ui->xmlTreeComboBox->lineEdit()->setCompleter(nullptr);
    ui->dataTemplateComboBox->lineEdit()->setCompleter(nullptr);
    m_iedCompleter.reset();
    m_typesCompleter.reset();
    ui->xmlTreeComboBox->clearEditText();
    ui->dataTemplateComboBox->clearEditText();
    return true;
}

void Kestrel::slotCloseTab(int)
{
    // The area closes the sub-window itself; look once it has.
    QTimer::singleShot(0, this, [this] {
        if (ui->mdiArea->subWindowList().isEmpty())
            showBackground(true);
    });
}

void Kestrel::showBackground(bool show)
{
    ui->mdiArea->setStyleSheet(show ? QLatin1String(BackgroundStyle) : QString());
    // The area's own white brush would paint over the picture.
    ui->mdiArea->setBackground(show ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
}

void Kestrel::slotImportIcd()
{
    MenuLoader::instance(this)->slotMapped(MenuLoader::tr("Import ICD file"));
}

void Kestrel::slotSetting()
{
    DlgSetting dialog(this);
    dialog.setTranslator(m_translator, m_language);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_language = dialog.language();
}

void Kestrel::slotFeedBack()
{
    DlgEmail dialog(m_prompt.get(), this);
    dialog.exec();
}

void Kestrel::slotUpdate()
{
    // The updater lies beside the program; one running copy is enough.
    const QString updater = QStringLiteral("Update.exe");
    nvProcess process;
    int pid = 0;
    int parentPid = 0;
    if (process.findProcess(pid, parentPid, updater))
        return;
    const QString directory = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    process.SystemExec(directory + updater, updater, QString(), directory);
}

void Kestrel::slotAbout()
{
    DlgAbout dialog(this);
    dialog.exec();
}

void Kestrel::slotCheckSchema()
{
    ui->checkTextEdit->clear();
    qDebug().noquote() << tr("[Schema check]================= SCL Schema check start =================");
    QList<SchemaFinding> findings;
    runInBackground(tr("Please wait, Schema checking ......"), [&](Progress *progress) {
        findings = SchemaValidator::validate(m_document->roots(), progress);
        return true;
    });
    for (const SchemaFinding &finding : findings) {
        qWarning().noquote() << SchemaValidator::findingText(finding);
        ui->checkTextEdit->linkLastLine(finding.element);
    }
    if (findings.isEmpty())
        qDebug().noquote() << tr("SCL Schema check successfully!");
    else
        qWarning().noquote() << tr("SCL Schema check failed!");
    qDebug().noquote() << tr("[Schema check]================= SCL Schema check end ===================");
}

void Kestrel::slotCheckSemantic()
{
    ui->checkTextEdit->clear();
    qDebug().noquote() << tr("[Semantic check]================= SCL Semantic check start =================");
    const FindingLinks links(ui->checkTextEdit);
    const bool passed = runLongOperation(tr("Please wait, Semantic checking ......"), [&](Progress *progress) {
        return XmlCheck::instance()->semanticValidate(m_document->roots(), progress);
    });
    if (passed)
        qDebug().noquote() << tr("SCL Semantic check successfully!");
    else
        qWarning().noquote() << tr("SCL Semantic check failed!");
    qDebug().noquote() << tr("[Semantic check]================= SCL Semantic check end ===================");
}

void Kestrel::slotCheckTemplate()
{
    ui->checkTextEdit->clear();
    qDebug().noquote() << tr("[DataTypeTemplates check]================= SCL DataTypeTemplates check start =================");
    XmlCheck *check = XmlCheck::instance();
    const FindingLinks links(ui->checkTextEdit);
    const bool passed = runLongOperation(tr("Please wait, DataTypeTemplates checking ......"), [&](Progress *progress) {
        return check->checkTemplate(*m_document, progress);
    });
    if (passed)
        qDebug().noquote() << tr("SCL DataTypeTemplates check successfully!");
    else
        qWarning().noquote() << tr("SCL DataTypeTemplates check failed!");
    qDebug().noquote() << tr("[DataTypeTemplates check]================= SCL DataTypeTemplates check end ===================");
}

namespace {

void toggle(QDockWidget *dock)
{
    dock->setVisible(!dock->isVisible());
}

} // namespace

void Kestrel::slotSCLBrowse() { toggle(ui->xmlTreeDockWidget); }
void Kestrel::slotDataTypeTemplatesBrowse() { toggle(ui->dataTemplateDockWidget); }
void Kestrel::slotLogBrowse() { toggle(ui->logDockWidget); }
void Kestrel::slotAttributeBrowse() { toggle(ui->attributeDockWidget); }
void Kestrel::slotInstanceBrowse() { toggle(ui->instanceDockWidget); }

void Kestrel::slotXmlItemClicked(QTreeWidgetItem *item)
{
    auto *treeItem = static_cast<XmlTreeItem *>(item);
    if (!treeItem || !treeItem->element())
        return;
    XmlObject *element = treeItem->element();
    ui->attributeTableWidget->showObject(element, this);
    static const QStringList insideIed = {"LDevice", "LN0", "LN", "DataSet", "Inputs", "ReportControl", "GSEControl",
                                          "SampledValueControl", "LogControl", "FCDA", "ExtRef"};
    // Opens (or activates) a view of type View on the element.
    const auto showElementView = [&](auto *typeTag, const QString &title, const QString &icon) {
        using View = std::remove_pointer_t<decltype(typeTag)>;
        showView(title, icon, element, [&] {
            auto *view = new View(this);
            view->setObject(element);
            view->fillTable();
            return view;
        });
    };
    if (element->name == QLatin1String("History")) {
        showElementView(static_cast<sclHistory *>(nullptr), QStringLiteral("History"), QStringLiteral(":/Kestrel/header"));
    } else if (element->name == QLatin1String("Communication")) {
        showElementView(static_cast<sclCommunication *>(nullptr), QStringLiteral("Communication"),
                        QStringLiteral(":/Kestrel/communication"));
    } else if (element->name == QLatin1String("SubNetwork")) {
        showElementView(static_cast<sclSubNetwork *>(nullptr),
                        QStringLiteral("SubNetwork - %1").arg(element->attribute(QStringLiteral("name"))),
                        QStringLiteral(":/Kestrel/subnetwork"));
    } else if (element->name == QLatin1String("IED")) {
        showIedView(element, item, nullptr);
    } else if (insideIed.contains(element->name)) {
        if (XmlObject *ied = element->enclosing(QStringLiteral("IED")))
            showIedView(ied, ied->treeItem, element);
    }
}

void Kestrel::showIedView(XmlObject *ied, QTreeWidgetItem *item, XmlObject *selected)
{
    const QString title = QStringLiteral("IED - %1").arg(ied->attribute(QStringLiteral("name")));
    if (item && item->childCount() == 0 && !findView(title, ied)) {
        XmlTreeBuilder::buildSubtree(item);
        item->setExpanded(true);
    }
    auto *view = qobject_cast<sclIed *>(showView(title, QStringLiteral(":/Kestrel/ied"), ied, [&] {
        auto *iedView = new sclIed(this);
        iedView->setIed(ied);
        iedView->fillTable();
        return iedView;
    }));
    if (view && selected)
        view->select(selected);
}

const XmlObject *Kestrel::viewElement(QWidget *view)
{
    const ElementView *shown = ViewFollower::viewOf(view);
    return shown ? shown->shownElement() : nullptr;
}

QMdiSubWindow *Kestrel::findView(const QString &title, const XmlObject *element) const
{
    for (QMdiSubWindow *window : ui->mdiArea->subWindowList()) {
        // Two IEDs or sub-networks of one name (a faulty file) still get a view each.
        if (window->windowTitle() == title && (!element || viewElement(window->widget()) == element))
            return window;
    }
    return nullptr;
}

QWidget *Kestrel::showView(const QString &title, const QString &icon, const XmlObject *element,
                           const std::function<QWidget *()> &make)
{
    showBackground(false);
    if (QMdiSubWindow *window = findView(title, element)) {
        ui->mdiArea->setActiveSubWindow(window);
        return window->widget();
    }
    QWidget *view = make();
    QMdiSubWindow *window = ui->mdiArea->addSubWindow(view);
    window->setWindowTitle(title);
    window->setWindowIcon(QIcon(icon));
    window->showMaximized();
    return view;
}

void Kestrel::showInstance(const XmlObject *fcda)
{
    if (fcda)
        XmlTreeBuilder::fillInstanceTree(ui->instanceTreeWidget, fcda);
}

void Kestrel::slotXmlItemExpanded(QTreeWidgetItem *item)
{
    auto *treeItem = static_cast<XmlTreeItem *>(item);
    if (treeItem->element() && treeItem->element()->name == QLatin1String("IED"))
        XmlTreeBuilder::buildSubtree(item);
    ui->xmlTreeWidget->resizeColumnToContents(0);
}

void Kestrel::slotXmlItemCollapsed(QTreeWidgetItem *)
{
    ui->xmlTreeWidget->resizeColumnToContents(0);
}

void Kestrel::slotDataTemplateItemClicked(QTreeWidgetItem *item)
{
    if (auto *treeItem = static_cast<XmlTreeItem *>(item))
        ui->attributeTableWidget->showObject(treeItem->element(), this);
}

void Kestrel::slotDataTemplateItemExpanded(QTreeWidgetItem *)
{
    ui->dataTemplateTreeWidget->resizeColumnToContents(0);
}

void Kestrel::slotDataTemplateItemCollapsed(QTreeWidgetItem *)
{
    ui->dataTemplateTreeWidget->resizeColumnToContents(0);
}

void Kestrel::slotInstanceItemClicked(QTreeWidgetItem *item)
{
    slotDataTemplateItemClicked(item);
}

void Kestrel::slotIedFiterReturnPressed()
{
    const QString text = ui->xmlTreeComboBox->currentText().trimmed();
    QTreeWidgetItem *top = ui->xmlTreeWidget->topLevelItem(0);
    if (text.isEmpty() || !top)
        return;
    for (int i = 0; i < top->childCount(); ++i) {
        auto *item = static_cast<XmlTreeItem *>(top->child(i));
        const XmlObject *element = item->element();
        if (!element || element->name != QLatin1String("IED"))
            continue;
        if (!element->attribute(QStringLiteral("name")).contains(text)
                && !element->attribute(QStringLiteral("desc")).contains(text))
            continue;
        ui->xmlTreeWidget->collapseAll();
        slotXmlItemClicked(item);
        ui->xmlTreeWidget->scrollToItem(item);
        item->setExpanded(true);
        ui->xmlTreeWidget->setCurrentItem(item);
    }
}

void Kestrel::slotDataTemplateFiterReturnPressed()
{
    const QString text = ui->dataTemplateComboBox->currentText().trimmed();
    QTreeWidgetItem *top = ui->dataTemplateTreeWidget->topLevelItem(0);
    QTreeWidgetItem *templates = nullptr;
    for (int i = 0; top && i < top->childCount() && !templates; ++i) {
        const XmlObject *element = static_cast<XmlTreeItem *>(top->child(i))->element();
        if (element && element->name == QLatin1String("DataTypeTemplates"))
            templates = top->child(i);
    }
    if (text.isEmpty() || !templates)
        return;
    for (int i = 0; i < templates->childCount(); ++i) {
        auto *item = static_cast<XmlTreeItem *>(templates->child(i));
        if (!item->element() || item->element()->attribute(QStringLiteral("id")) != text)
            continue;
        ui->dataTemplateTreeWidget->collapseAll();
        slotDataTemplateItemClicked(item);
        ui->dataTemplateTreeWidget->scrollToItem(item);
        item->setExpanded(true);
        ui->dataTemplateTreeWidget->setCurrentItem(item);
    }
}

void Kestrel::slotCurrentChanged(int index)
{
    ui->logDockWidget->setWindowTitle(index == 0 ? tr("Log Browser") : tr("Check Browser"));
}

void Kestrel::slotOpenRecentFile()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action || !m_recentFileActions.contains(action)) {
        qWarning().noquote() << tr("recent file action get failed.");
        return;
    }
    if (!closeDocument())
        return;
    const QString path = action->data().toString();
    if (openFile(path))
        return;
    QSettings settings;
    QStringList files = settings.value(QLatin1String(RecentFilesKey)).toStringList();
    files.removeAll(path);
    settings.setValue(QLatin1String(RecentFilesKey), files);
    updateRecentFileActions();
    qWarning().noquote() << tr("Open file %1 failed.").arg(path);
}

void Kestrel::closeEvent(QCloseEvent *event)
{
    // A request from outside the window (the session ending) waits for the
    // running operation; the progress dialog keeps the user's own out.
    if (isBusy()) {
        event->ignore();
        return;
    }
    if (ui->actionSave->isEnabled()) {
        if (m_prompt->confirm(this, tr("Kestrel"), tr("Content has changed, whether to need to save ?"))) {
            if (!save()) {
                m_prompt->inform(this, tr("Message"),
                                 tr("Save file %1 failed. The file stays open with its changes.").arg(m_document->fileName()));
                event->ignore();
                return;
            }
        }
    }
    if (m_prompt->confirm(this, tr("Kestrel"), tr("Do you want to quit the application ?")))
        event->accept();
    else
        event->ignore();
}

bool Kestrel::isSclFile(const QString &path) const
{
    static const QStringList suffixes = {".scd", ".SCD", ".icd", ".ICD", ".cid", ".CID", ".xml", ".XML"};
    return suffixes.contains(path.right(4));
}

void Kestrel::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
        event->acceptProposedAction();
}

void Kestrel::dropEvent(QDropEvent *event)
{
    if (isBusy())
        return;
    openDropped(event->mimeData()->urls());
}

void Kestrel::openDropped(const QList<QUrl> &urls)
{
    if (urls.isEmpty()) {
        qWarning().noquote() << tr("Not found drag and drop file.");
        return;
    }
    if (urls.size() > 1) {
        qWarning().noquote() << tr("Drag and drop file number can not be more than 1.");
        return;
    }
    const QString path = urls.first().toLocalFile();
    if (!isSclFile(path)) {
        qWarning().noquote() << tr("Please drag and drop the SCL file.");
        return;
    }
    if (closeDocument())
        openFile(path);
}

bool Kestrel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        auto *tree = qobject_cast<QTreeWidget *>(watched->parent());
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (QTreeWidgetItem *item = tree ? tree->itemAt(menuEvent->pos()) : nullptr) {
            slotXmlItemClicked(item);
            auto *treeItem = static_cast<XmlTreeItem *>(item);
            if (treeItem->element())
                MenuLoader::instance(this)->createMenu(treeItem->element(), treeItem)->popup(menuEvent->globalPos());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Kestrel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->xmlTreeComboBox->lineEdit()->setPlaceholderText(tr("Filter ied name or description"));
        ui->dataTemplateComboBox->lineEdit()->setPlaceholderText(tr("Filter types id"));
        slotCurrentChanged(ui->tabWidget->currentIndex());
        updateTitle();
    }
    QMainWindow::changeEvent(event);
}
