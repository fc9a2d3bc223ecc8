#ifndef GUITESTSUPPORT_H
#define GUITESTSUPPORT_H

// What the widget tests share: a main window and its views, with recorded messages and scripted answers,
// writable fixture copies, the import wizard on show, table lookups, the semantic check's findings.

#include "attribute.h"
#include "guiresources.h"
#include "kestrel.h"
#include "objecttablewidgetitem.h"
#include "testtree.h"
#include "userinput.h"
#include "userprompt.h"
#include "xmlcheck.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xmlwizard.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

// Answers the window's questions as a test says, and remembers what was asked.
class ScriptedPrompt : public UserPrompt
{
public:
    bool confirm(QWidget *, const QString &, const QString &text) override
    {
        asked.append(text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    void inform(QWidget *, const QString &, const QString &text) override { informed.append(text); }
    void warn(QWidget *, const QString &, const QString &text) override { warnings.append(text); }
    QString openFileName(QWidget *, const QString &, const QString &) override { return fileName; }
    QString saveFileName(QWidget *, const QString &, const QString &) override { return fileName; }

    QList<bool> answers;
    QStringList asked;
    QStringList informed;
    QStringList warnings;
    QString fileName;
};

inline Kestrel *window = nullptr;
inline QStringList logged;

inline void recordAndShow(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    logged.append(text);
    if (window)
        window->messageOutput(type, context, text);
}

// Keeps the tests out of the user's settings and routes every message through the window.
inline void initGuiTests()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    // One settings file per test program: they run side by side.
    QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).baseName());
    initGuiResources();
    XmlSchema::instance()->load();
    qInstallMessageHandler(recordAndShow);
}

// A copy of source, named name, that the tests may write.
inline QString writableCopy(const QTemporaryDir &dir, const QString &source, const QString &name)
{
    const QString path = dir.filePath(name);
    QFile::remove(path);
    QFile::copy(source, path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// A writable copy of a file of tests/data/good.
inline QString copyFixture(const QTemporaryDir &dir, const QString &fixture, const QString &name)
{
    return writableCopy(dir, QStringLiteral(KESTREL_TEST_DATA "/good/") + fixture, name);
}

// A new main window with scripted answers, on file when one is given; the log starts empty.
inline ScriptedPrompt *openWindow(const QString &file = QString())
{
    window = new Kestrel;
    auto *prompt = new ScriptedPrompt;
    window->setUserPrompt(prompt);
    if (!file.isEmpty())
        window->openFile(file);
    logged.clear();
    return prompt;
}

// The window, shown, on a writable copy (into copy) of a fixture file; null when it could not be shown.
inline ScriptedPrompt *openCopy(const QTemporaryDir &dir, const QString &fixture, QString &copy)
{
    copy = writableCopy(dir, fixture, QFileInfo(fixture).fileName());
    ScriptedPrompt *prompt = openWindow(copy);
    window->show();
    return QTest::qWaitForWindowExposed(window) ? prompt : nullptr;
}

inline void closeWindow()
{
    delete window; // takes the menu loader and its clipboard with it
    window = nullptr;
}

// One of the window's commands, by object name.
inline QAction *action(const char *name)
{
    return window->findChild<QAction *>(QLatin1String(name));
}

// What the element tables show, found by the elements their cells carry and
// by column header. Views show a change once the event loop turns, as it does
// before the user can look again: each lookup lets it turn first.

inline int columnOf(const QTableWidget *table, const QString &header)
{
    QCoreApplication::processEvents();
    for (int c = 0; c < table->columnCount(); ++c) {
        if (table->horizontalHeaderItem(c) && table->horizontalHeaderItem(c)->text() == header)
            return c;
    }
    return -1;
}

// The first cell that carries element.
inline QTableWidgetItem *itemOf(const QTableWidget *table, const XmlObject *element)
{
    QCoreApplication::processEvents();
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            auto *item = dynamic_cast<objectTableWidgetItem *>(table->item(r, c));
            if (item && item->object == element)
                return item;
        }
    }
    return nullptr;
}

// The cell in element's row under header; null when there is none.
inline QTableWidgetItem *cellOf(const QTableWidget *table, const XmlObject *element, const QString &header)
{
    const QTableWidgetItem *item = itemOf(table, element);
    const int c = columnOf(table, header);
    return item && c >= 0 ? table->item(item->row(), c) : nullptr;
}

// The texts of a column, top to bottom; "<none>" for a row without that cell.
inline QStringList columnTexts(const QTableWidget *table, const QString &header)
{
    QStringList texts;
    const int c = columnOf(table, header);
    for (int r = 0; r < table->rowCount(); ++r)
        texts.append(c >= 0 && table->item(r, c) ? table->item(r, c)->text() : QStringLiteral("<none>"));
    return texts;
}

// Whether a cell is marked as one that must hold a value.
inline bool yellow(const QTableWidgetItem *item)
{
    return item->background().color() == attribute::RequiredColor;
}

// The document changes logged since the log was last cleared.
inline QStringList records()
{
    return logged.filter(QStringLiteral("Modify record"));
}

inline QStringList entries(const QComboBox *box)
{
    QCoreApplication::processEvents();
    QStringList texts;
    for (int i = 0; box && i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

// The findings ("|--Error", "|--Warn") of the semantic check on a document.
inline QStringList semanticFindings(const Document &roots)
{
    QStringList findings;
    XmlCheck::instance()->setRecorder([&findings](QtMsgType, const QString &text, const XmlObject *) {
        if (text.contains(QLatin1String("|--")))
            findings.append(text);
    });
    XmlCheck::instance()->semanticValidate(roots);
    XmlCheck::instance()->setRecorder(XmlCheck::Recorder());
    return findings;
}

// A shown wizard on the window's document, wide enough for every table column.
struct WizardDriver
{
    explicit WizardDriver(Kestrel *window) : wizard(window)
    {
        wizard.resize(1200, 700);
        wizard.show();
        activate();
    }

    // Back to the wizard once pending window events (the load's progress dialog going) are handled.
    void activate()
    {
        QCoreApplication::processEvents();
        wizard.activateWindow();
        QApplication::setActiveWindow(&wizard);
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
    }

    template<typename T>
    T *find(const char *name) const { return wizard.currentPage()->findChild<T *>(name); }

    void click(QWizard::WizardButton button) { QTest::mouseClick(wizard.button(button), Qt::LeftButton); }

    // Fills the load page, picks file through Browse and presses Next; true when the wizard moved on.
    bool load(const QString &name, const QString &file, const QString &desc = QString())
    {
        typeInto(find<QLineEdit>("nameLineEdit"), name);
        typeInto(find<QLineEdit>("descLineEdit"), desc);
        static_cast<ScriptedPrompt *>(wizard.mainWindow->userPrompt())->fileName = file;
        QTest::mouseClick(find<QPushButton>("browseBtn"), Qt::LeftButton);
        click(QWizard::NextButton);
        activate();
        return wizard.currentId() != 0;
    }

    XmlWizard wizard;
};

#endif // GUITESTSUPPORT_H
