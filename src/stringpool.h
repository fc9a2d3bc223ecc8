#ifndef STRINGPOOL_H
#define STRINGPOOL_H

#include <QString>
#include <QStringView>
#include <QVector>

// Hands out one shared QString per distinct text. A large SCL file repeats a
// few thousand names and short values (element and attribute names, "ST",
// "true", type ids) millions of times; sharing them saves an allocation each.
class StringPool
{
public:
    StringPool();

    // The shared copy of text; added tells whether this is its first appearance.
    QString intern(QStringView text, bool *added = nullptr);

private:
    void grow();

    QVector<QString> m_slots; // open addressing; a null string marks a free slot
    int m_used = 0;
};

#endif // STRINGPOOL_H
