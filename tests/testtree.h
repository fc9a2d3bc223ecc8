#ifndef TESTTREE_H
#define TESTTREE_H

#include "progress.h"
#include "xmlcheck.h"
#include "xmlobject.h"
#include "xmlschema.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QtTest>

// What the core tests share: building small trees, owning loaded documents,
// watching progress and the log, reading and writing whole files.

// A new element with the given attributes, appended to parent when there is one.
inline XmlObject *makeElement(const QString &name, XmlObject *parent = nullptr,
                              const QMap<QString, QString> &attributes = {})
{
    auto *element = new XmlObject;
    element->name = name;
    for (auto it = attributes.begin(); it != attributes.end(); ++it)
        element->attributes.insert(it.key(), it.value());
    if (parent) {
        element->parent = parent;
        parent->children.append(element);
    }
    return element;
}

// Whether two subtrees hold the same names, texts, attributes, comments and
// children, in order; where, if given, names the first pair that differs.
inline bool sameTree(const XmlObject *a, const XmlObject *b, QString *where = nullptr)
{
    if (a->name != b->name || a->value != b->value || a->attributes != b->attributes
        || a->comments != b->comments || a->children.size() != b->children.size()) {
        if (where)
            *where = QStringLiteral("%1 (line %2) vs %3 (line %4)").arg(a->name).arg(a->lineNumber)
                         .arg(b->name).arg(b->lineNumber);
        return false;
    }
    for (int i = 0; i < a->children.size(); ++i) {
        if (!sameTree(a->children.at(i), b->children.at(i), where))
            return false;
    }
    return true;
}

// Records what a reader, writer or check reports as progress.
class ProgressSpy : public Progress
{
public:
    void setRange(int minimum, int maximum) override { this->minimum = minimum; this->maximum = maximum; }
    void setValue(int value) override { values.append(value); }
    void cancel() override { cancelled = true; }
    int minimum = -1;
    int maximum = -1;
    QList<int> values;
    bool cancelled = false;
};

// Records what is logged while it lives, as "LEVEL | text" with LEVEL padded to eight characters.
struct LogRecorder
{
    LogRecorder() { lines.clear(); previous = qInstallMessageHandler(record); }
    ~LogRecorder() { qInstallMessageHandler(previous); }
    static void record(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        static const char *const levels[] = {"Debug   ", "Warning ", "Critical", "Fatal   ", "Info    "};
        lines.append(QLatin1String(levels[type]) + QLatin1String(" | ") + text);
    }
    inline static QStringList lines;
    QtMessageHandler previous;
};

// The text of a file, empty when it cannot be read.
inline QString readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

using Document = QList<XmlObject *>;

// Owns a loaded document and, like closing the file in the editor, leaves
// no index pointing into it.
struct DocumentOwner
{
    explicit DocumentOwner(Document roots) : roots(std::move(roots)) {}
    ~DocumentOwner()
    {
        qDeleteAll(roots);
        XmlSchema::instance()->clearDataTemplates();
        XmlCheck::instance()->clearLogicalNodes();
    }
    DocumentOwner(const DocumentOwner &) = delete;
    DocumentOwner &operator=(const DocumentOwner &) = delete;
    Document roots;
};

#endif // TESTTREE_H
