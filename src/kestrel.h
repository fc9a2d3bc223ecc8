#ifndef KESTREL_H
#define KESTREL_H

#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QCompleter;
class QMdiArea;
class QMdiSubWindow;
class QProgressDialog;
class QTabBar;
class QTranslator;
class Progress;
class QTreeWidgetItem;
class QUndoStack;
class SclDocument;
class UserPrompt;
class XmlObject;

namespace Ui {
class KestrelClass;
}

// The main window: owns the open document and coordinates the file
// operations, the tree browsers, the panels and the checks.
class Kestrel : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int MaxRecentFiles = 9;
    static const QString TemplateFile;

    explicit Kestrel(QWidget *parent = nullptr);
    ~Kestrel() override;

    void setTranslator(QTranslator *translator, int language);
    // Every message of the process arrives here (installed as the message handler's target).
    void messageOutput(QtMsgType type, const QMessageLogContext &context, const QString &text);

    bool openFile(const QString &path);
    bool fileResolver(const QString &path);
    void setCurrentFile(const QString &path);
    void updateRecentFileActions();
    // Opens one dropped SCL file in place of the open one.
    void openDropped(const QList<QUrl> &urls);

    const QList<XmlObject *> &document() const;
    SclDocument *sclDocument() const { return m_document; }
    QUndoStack *undoStack() const { return m_undoStack; }
    QString fileName() const;
    // Sets an attribute as the user asked. A new name carries the references to
    // the element along, once the user has agreed; false when they did not.
    bool editAttribute(XmlObject *element, const QString &key, const QString &value);
    // Lists in the check panel what names the element; a double-click on a line shows that place.
    void showWhereUsed(XmlObject *element);
    // How many places name the element: what its deletion would leave naming nothing.
    int referencesTo(const XmlObject *element) const;
    // Replaces the questions and file dialogs (tests answer them); the window takes ownership.
    void setUserPrompt(UserPrompt *prompt);
    UserPrompt *userPrompt() const { return m_prompt.get(); }
    QMdiArea *mdiArea() const;
    // The sub-window of that title (showing element, when one is given), or null.
    QMdiSubWindow *findView(const QString &title, const XmlObject *element = nullptr) const;

public slots:
    void slotNew();
    void slotOpen();
    void slotSave();
    void slotSaveAs();
    void slotClose();
    void slotCloseTab(int index);
    void slotImportIcd();
    void slotSetting();
    void slotFeedBack();
    void slotUpdate();
    void slotAbout();
    void slotCheckSchema();
    void slotCheckSemantic();
    void slotCheckTemplate();
    void slotSCLBrowse();
    void slotDataTypeTemplatesBrowse();
    void slotLogBrowse();
    void slotAttributeBrowse();
    void slotInstanceBrowse();
    void slotXmlItemClicked(QTreeWidgetItem *item);
    void slotXmlItemExpanded(QTreeWidgetItem *item);
    void slotXmlItemCollapsed(QTreeWidgetItem *item);
    void slotDataTemplateItemClicked(QTreeWidgetItem *item);
    void slotDataTemplateItemExpanded(QTreeWidgetItem *item);
    void slotDataTemplateItemCollapsed(QTreeWidgetItem *item);
    void slotIedFiterReturnPressed();
    void slotDataTemplateFiterReturnPressed();
    void slotCurrentChanged(int index);
    void slotOpenRecentFile();
    void slotInstanceItemClicked(QTreeWidgetItem *item);
    // Shows the data instance an FCDA refers to in the instance tree.
    void showInstance(const XmlObject *fcda);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setupDocument();
    void setupDocks();
    // Selects the element in its tree and shows its attributes (after an undo or a redo).
    void showElement(XmlObject *element);
    void updateCompleters();
    void connectActions();
    void setDocumentOpen(bool open);
    void setModified(bool modified);
    // Saves the document; false (and Save stays enabled) when the writer failed.
    bool save();
    // Saves to path, which becomes the document's file only when the save succeeded.
    bool saveAs(const QString &path);
    // Runs work behind the modal progress dialog, which keeps every command
    // away from the document and the windows painting; work's result.
    bool runLongOperation(const QString &label, const std::function<bool(Progress *)> &work);
    // The same, with the work on a worker thread, so that the window repaints and the
    // dialog moves even where the work cannot report its progress.
    bool runInBackground(const QString &label, const std::function<bool(Progress *)> &work);
    // A long operation is running: its progress dialog is up.
    bool isBusy() const;
    // Asks about unsaved changes; false when the user's save failed and the document must stay.
    bool closeDocument();
    void buildTrees();
    void buildTemplateTree();
    void setCompleter(QComboBox *box, std::unique_ptr<QCompleter> &completer, const QStringList &words);
    void showBackground(bool show);
    // Activates the view of that title showing element, or opens the one make() builds.
    QWidget *showView(const QString &title, const QString &icon, const XmlObject *element,
                      const std::function<QWidget *()> &make);
    void showIedView(XmlObject *ied, QTreeWidgetItem *item, XmlObject *selected);
    // The element a table view shows, or null.
    static const XmlObject *viewElement(QWidget *view);
    void updateTitle();
    bool isSclFile(const QString &path) const;

    std::unique_ptr<Ui::KestrelClass> ui;
    SclDocument *m_document = nullptr; // freed after the widgets that show it
    QUndoStack *m_undoStack = nullptr;
    QProgressDialog *m_progress = nullptr;
    QTabBar *m_mdiTabBar = nullptr;
    std::unique_ptr<QCompleter> m_iedCompleter;
    std::unique_ptr<QCompleter> m_typesCompleter;
    QTranslator *m_translator = nullptr;
    int m_language = 0;
    QAction *m_recentSeparator = nullptr;
    QList<QAction *> m_recentFileActions;
    std::unique_ptr<UserPrompt> m_prompt;
};

#endif // KESTREL_H
