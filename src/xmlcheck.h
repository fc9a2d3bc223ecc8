#ifndef XMLCHECK_H
#define XMLCHECK_H

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class Progress;
class SclDocument;
class XmlObject;

// The semantic check and the DataTypeTemplates check. Findings are log lines
// tagged "[Semantic check]" or "[DataTypeTemplates check]"; each run first
// rebuilds the lookups it needs from the document as it is now, so that what
// was edited or imported since the load is seen, and every rule is a lookup,
// not a search of the document.
class XmlCheck
{
    Q_DECLARE_TR_FUNCTIONS(XmlCheck)

public:
    // Receives every line a check logs, with the element it is about (or null).
    using Recorder = std::function<void(QtMsgType type, const QString &text, const XmlObject *element)>;

    static XmlCheck *instance();
    ~XmlCheck();

    // True when nothing but FCDA repetitions was found.
    bool semanticValidate(const QList<XmlObject *> &roots, Progress *progress = nullptr);
    // Deletes unused types from the document, as one step; true when none was unused.
    bool checkTemplate(SclDocument &document, Progress *progress = nullptr);

    // The type indexes of the schema services and the logical-node index,
    // built from the document as it is: after a load and at the start of each run.
    void indexDocument(const QList<XmlObject *> &roots);
    // Logical nodes by lnType + "/" + lnClass, as the template check counts them as users.
    void indexLogicalNodes(XmlObject *element);
    void clearLogicalNodes();
    void removeFromDocument(SclDocument &document, XmlObject *type);

    // Also hands every line, once it is logged, to the recorder (the command-line
    // tool's JSON output, the check panel's links to elements).
    void setRecorder(Recorder recorder);

    bool semanticResult = true;
    bool templateResult = true;
    int visited = 0;
    QHash<QString, XmlObject *> lnIndex;

private:
    XmlCheck();
    struct Run;
    friend struct Run;

    void report(QtMsgType type, const QString &text, const XmlObject *element = nullptr);

    Recorder m_recorder;
};

#endif // XMLCHECK_H
