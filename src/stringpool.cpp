#include "stringpool.h"

namespace {

// FNV-1a over the UTF-16 code units: cheap for the short names and values pooled here.
uint hashOf(QStringView text)
{
    uint hash = 2166136261u;
    for (const QChar c : text)
        hash = (hash ^ c.unicode()) * 16777619u;
    return hash;
}

} // namespace

StringPool::StringPool()
    : m_slots(1024)
{
}

QString StringPool::intern(QStringView text, bool *added)
{
    if (added)
        *added = false;
    if (text.isEmpty())
        return QString(QLatin1String(""));
    const uint mask = uint(m_slots.size() - 1);
    uint slot = hashOf(text) & mask;
    while (true) {
        QString &entry = m_slots[int(slot)];
        if (entry.isNull())
            break;
        if (QStringView(entry) == text)
            return entry;
        slot = (slot + 1) & mask;
    }
    if (added)
        *added = true;
    QString interned = text.toString();
    m_slots[int(slot)] = interned;
    if (++m_used * 2 > m_slots.size())
        grow();
    return interned;
}

void StringPool::grow()
{
    QVector<QString> old(m_slots.size() * 2);
    old.swap(m_slots);
    const uint mask = uint(m_slots.size() - 1);
    for (const QString &entry : qAsConst(old)) {
        if (entry.isNull())
            continue;
        uint slot = hashOf(entry) & mask;
        while (!m_slots.at(int(slot)).isNull())
            slot = (slot + 1) & mask;
        m_slots[int(slot)] = entry;
    }
}
