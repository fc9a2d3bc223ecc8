#ifndef ENTITYBUDGET_H
#define ENTITYBUDGET_H

#include "xmlreader.h"

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QString>
#include <QXmlStreamReader>

// Stops the parser's input once the entity references in it would expand to
// more than MaxExpansion characters. The parser expands internal entities
// with no limit on the total: a few hundred kilobytes of references to one
// long entity fill the memory before it hands out a single token.
class EntityBudget : public QIODevice
{
public:
    static constexpr qint64 MaxExpansion = 10 * 1000 * 1000; // characters

    explicit EntityBudget(QIODevice *source) : m_source(source) {}

    // The internal entities of the document type declaration. References
    // are counted from the first byte, and priced from then on.
    void setDeclarations(const QXmlStreamEntityDeclarations &declarations);
    bool exceeded() const { return m_exceeded; }
    static QString errorString()
    {
        return XmlReader::tr("Entity references expand to more than %1 characters").arg(MaxExpansion);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return QIODevice::bytesAvailable() + m_source->bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    static constexpr int MaxNameLength = 256;
    static constexpr int MaxNesting = 32;

    void scan(const char *data, qint64 size);
    void countReference();
    qint64 expandedSize(const QByteArray &name, int depth);
    void price();

    QIODevice *m_source;
    QHash<QByteArray, QString> m_values;
    QHash<QByteArray, qint64> m_sizes;
    qint64 m_largest = 0;
    bool m_declared = false;
    bool m_exceeded = false;
    // References seen so far by name; the empty name stands for those too long to read.
    QHash<QByteArray, qint64> m_references;
    bool m_inReference = false;
    QByteArray m_name;
};

#endif // ENTITYBUDGET_H
