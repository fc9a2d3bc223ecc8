#include "attributemap.h"

#include <algorithm>
#include <memory>
#include <new>

AttributeMap::Block *AttributeMap::allocate(int size)
{
    auto *block = static_cast<Block *>(::operator new(sizeof(Block) + size_t(size) * sizeof(Entry)));
    block->size = size;
    return block;
}

AttributeMap::Entry *AttributeMap::entriesOf(Block *block)
{
    return std::launder(reinterpret_cast<Entry *>(block + 1));
}

void AttributeMap::release(Block *block)
{
    if (!block)
        return;
    std::destroy_n(entriesOf(block), block->size);
    ::operator delete(block);
}

AttributeMap::AttributeMap(const QVector<Entry> &entries)
{
    if (entries.isEmpty())
        return;
    m_block = allocate(entries.size());
    Entry *sorted = entriesOf(m_block);
    std::uninitialized_copy(entries.cbegin(), entries.cend(), sorted);
    // Insertion sort: stable, and an element has only a handful of attributes.
    for (int i = 1; i < entries.size(); ++i) {
        for (int j = i; j > 0 && sorted[j].key < sorted[j - 1].key; --j)
            std::swap(sorted[j], sorted[j - 1]);
    }
    // Keep the last of equal names: walk backwards and drop earlier duplicates.
    for (int i = size() - 1; i > 0; --i) {
        if (sorted[i - 1].key == sorted[i].key)
            removeAt(i - 1);
    }
}

AttributeMap::AttributeMap(const AttributeMap &other)
{
    if (other.isEmpty())
        return;
    m_block = allocate(other.size());
    std::uninitialized_copy(other.entries(), other.entries() + other.size(), entriesOf(m_block));
}

AttributeMap &AttributeMap::operator=(AttributeMap other) noexcept
{
    swap(other);
    return *this;
}

int AttributeMap::lowerBound(const QString &key) const
{
    const Entry *first = entries();
    const Entry *it = std::lower_bound(first, first + size(), key,
                                       [](const Entry &e, const QString &k) { return e.key < k; });
    return int(it - first);
}

int AttributeMap::indexOf(const QString &key) const
{
    const int i = lowerBound(key);
    return i < size() && entries()[i].key == key ? i : -1;
}

bool AttributeMap::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

QString AttributeMap::value(const QString &key) const
{
    const int i = indexOf(key);
    return i >= 0 ? entries()[i].value : QString();
}

QString AttributeMap::value(const QString &key, const QString &defaultValue) const
{
    const int i = indexOf(key);
    return i >= 0 ? entries()[i].value : defaultValue;
}

void AttributeMap::insert(const QString &key, const QString &value)
{
    (*this)[key] = value;
}

QString &AttributeMap::operator[](const QString &key)
{
    const int i = lowerBound(key);
    if (i < size() && entries()[i].key == key)
        return entries()[i].value;
    Block *grown = allocate(size() + 1);
    Entry *target = entriesOf(grown);
    std::uninitialized_move(entries(), entries() + i, target);
    new (target + i) Entry{key, QString()};
    std::uninitialized_move(entries() + i, entries() + size(), target + i + 1);
    release(m_block);
    m_block = grown;
    return target[i].value;
}

// In place: the block keeps its room for the entry, as a QVector would.
void AttributeMap::removeAt(int i)
{
    Entry *first = entries();
    std::move(first + i + 1, first + size(), first + i);
    std::destroy_at(first + size() - 1);
    --m_block->size;
}

int AttributeMap::remove(const QString &key)
{
    const int i = indexOf(key);
    if (i < 0)
        return 0;
    removeAt(i);
    return 1;
}

QString AttributeMap::take(const QString &key)
{
    const int i = indexOf(key);
    if (i < 0)
        return QString();
    QString value = entries()[i].value;
    removeAt(i);
    return value;
}

QStringList AttributeMap::keys() const
{
    QStringList result;
    result.reserve(size());
    for (auto it = begin(); it != end(); ++it)
        result.append(it.key());
    return result;
}

QStringList AttributeMap::values() const
{
    QStringList result;
    result.reserve(size());
    for (auto it = begin(); it != end(); ++it)
        result.append(it.value());
    return result;
}

bool AttributeMap::operator==(const AttributeMap &other) const
{
    return std::equal(entries(), entries() + size(), other.entries(), other.entries() + other.size(),
                      [](const Entry &a, const Entry &b) { return a.key == b.key && a.value == b.value; });
}
