#ifndef SCLDOCUMENT_H
#define SCLDOCUMENT_H

#include "edithistory.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class CompoundCommand;
class EditCommand;
class Progress;
class XmlObject;

// The open document: its root elements and the file they belong to. Every
// change goes through execute() as a command, so that it can be undone, and
// every change is announced, so that trees, panels and views show the
// document as it is. The indexes of its data type templates follow each change.
class SclDocument : public QObject
{
    Q_OBJECT

public:
    // Takes each command after it has run: the window's undo stack, or by default the history.
    using Recorder = std::function<void(std::unique_ptr<EditCommand>)>;

    explicit SclDocument(QObject *parent = nullptr);
    ~SclDocument() override;

    // Replaces the document with the file's; false (and nothing changed) when it cannot be read.
    bool load(const QString &path, Progress *progress = nullptr);
    // Writes the document; the path becomes its file only when the write succeeded.
    bool save(const QString &path, Progress *progress = nullptr);
    // Takes these roots as the document (of no file yet), dropping the history.
    void reset(const QList<XmlObject *> &roots);
    void close();

    const QList<XmlObject *> &roots() const { return m_roots; }
    bool isEmpty() const { return m_roots.isEmpty(); }
    // The first SCL root, or null.
    XmlObject *scl() const;
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path) { m_fileName = path; }

    // Runs the command and hands it to the recorder.
    void execute(std::unique_ptr<EditCommand> command);
    void setRecorder(Recorder recorder);
    EditHistory &history() { return m_history; }
    // Commands executed between the two calls become one step. Calls may nest;
    // a step with nothing in it is dropped.
    void beginMacro(const QString &text);
    void endMacro();

    // The changes commands are made of. Each announces itself.
    void setAttribute(XmlObject *element, const QString &key, const QString &value);
    void removeAttribute(XmlObject *element, const QString &key);
    void setText(XmlObject *element, const QString &text);
    void insertChild(XmlObject *parent, int position, XmlObject *child);
    // Unlinks the child at position; the caller owns it.
    XmlObject *takeChild(XmlObject *parent, int position);
    void moveChild(XmlObject *parent, int from, int to);

signals:
    void attributeChanged(XmlObject *element, const QString &key);
    void elementInserted(XmlObject *element);
    // Still in the document: what shows it or anything inside it lets go now.
    void elementAboutToBeRemoved(XmlObject *element);
    void elementRemoved(XmlObject *parent, XmlObject *element);
    void elementMoved(XmlObject *element);
    // A new document, or none.
    void documentReset();

private:
    void indexTemplates();
    // The types indexed are those of the root's first DataTypeTemplates, whichever that is now.
    void followFirstTemplates(XmlObject *parent);
    // Hands a command that has run to the open step, the recorder or the history.
    void record(std::unique_ptr<EditCommand> command);

    QList<XmlObject *> m_roots;
    QString m_fileName;
    EditHistory m_history;
    Recorder m_recorder;
    std::unique_ptr<CompoundCommand> m_macro;
    int m_macroDepth = 0;
};

#endif // SCLDOCUMENT_H
