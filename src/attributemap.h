#ifndef ATTRIBUTEMAP_H
#define ATTRIBUTEMAP_H

#include <QString>
#include <QStringList>
#include <QVector>

// The attributes of one element: name to value, at most one entry per name,
// iterated in ascending order of the name (QString code-unit order), which is
// also the order the writer puts them in. Its interface follows QMap, but the
// entries live in one sorted array: an element has a handful of attributes and
// a document has a million elements, so one allocation per element instead of
// one per attribute matters. The array carries only its count in front (a
// QVector header takes 24 bytes), and grows by exactly one entry.
class AttributeMap
{
public:
    struct Entry
    {
        QString key;
        QString value;
    };

    class const_iterator
    {
    public:
        explicit const_iterator(const Entry *entry = nullptr) : m_entry(entry) {}
        const QString &key() const { return m_entry->key; }
        const QString &value() const { return m_entry->value; }
        const QString &operator*() const { return m_entry->value; }
        const_iterator &operator++() { ++m_entry; return *this; }
        bool operator==(const const_iterator &other) const { return m_entry == other.m_entry; }
        bool operator!=(const const_iterator &other) const { return m_entry != other.m_entry; }

    private:
        const Entry *m_entry;
    };

    AttributeMap() = default;
    // Takes entries in any order; for a name given twice the later one wins.
    explicit AttributeMap(const QVector<Entry> &entries);
    AttributeMap(const AttributeMap &other);
    AttributeMap(AttributeMap &&other) noexcept : m_block(other.m_block) { other.m_block = nullptr; }
    AttributeMap &operator=(AttributeMap other) noexcept;
    ~AttributeMap() { release(m_block); }

    int size() const { return m_block ? m_block->size : 0; }
    int count() const { return size(); }
    bool isEmpty() const { return size() == 0; }
    void clear() { AttributeMap().swap(*this); }
    void swap(AttributeMap &other) noexcept { std::swap(m_block, other.m_block); }

    bool contains(const QString &key) const;
    // The value, or a null string when the name is absent.
    QString value(const QString &key) const;
    QString value(const QString &key, const QString &defaultValue) const;
    void insert(const QString &key, const QString &value);
    // Inserts an empty value when the name is absent, like QMap.
    QString &operator[](const QString &key);
    int remove(const QString &key);
    QString take(const QString &key);

    QStringList keys() const;
    QStringList values() const;

    const_iterator begin() const { return const_iterator(entries()); }
    const_iterator end() const { return const_iterator(entries() + size()); }
    const_iterator constBegin() const { return begin(); }
    const_iterator constEnd() const { return end(); }

    bool operator==(const AttributeMap &other) const;
    bool operator!=(const AttributeMap &other) const { return !(*this == other); }

private:
    // The count, then that many entries, sorted by key.
    struct alignas(Entry) Block
    {
        int size;
    };

    static Block *allocate(int size);
    static void release(Block *block);
    static Entry *entriesOf(Block *block);
    Entry *entries() const { return m_block ? entriesOf(m_block) : nullptr; }
    int lowerBound(const QString &key) const;
    int indexOf(const QString &key) const;
    void removeAt(int i);

    Block *m_block = nullptr;
};

#endif // ATTRIBUTEMAP_H
