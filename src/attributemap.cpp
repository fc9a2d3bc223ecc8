#include "attributemap.h"

#include <algorithm>

AttributeMap::AttributeMap(QVector<Entry> entries)
    : m_entries(std::move(entries))
{
    // Insertion sort: stable, and an element has only a handful of attributes.
    for (int i = 1; i < m_entries.size(); ++i) {
        for (int j = i; j > 0 && m_entries.at(j).key < m_entries.at(j - 1).key; --j)
            std::swap(m_entries[j], m_entries[j - 1]);
    }
    // Keep the last of equal names: walk backwards and drop earlier duplicates.
    for (int i = m_entries.size() - 1; i > 0; --i) {
        if (m_entries.at(i - 1).key == m_entries.at(i).key)
            m_entries.remove(i - 1);
    }
}

int AttributeMap::lowerBound(const QString &key) const
{
    const auto it = std::lower_bound(m_entries.cbegin(), m_entries.cend(), key,
                                     [](const Entry &e, const QString &k) { return e.key < k; });
    return int(it - m_entries.cbegin());
}

int AttributeMap::indexOf(const QString &key) const
{
    const int i = lowerBound(key);
    return i < m_entries.size() && m_entries.at(i).key == key ? i : -1;
}

bool AttributeMap::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

QString AttributeMap::value(const QString &key) const
{
    const int i = indexOf(key);
    return i >= 0 ? m_entries.at(i).value : QString();
}

QString AttributeMap::value(const QString &key, const QString &defaultValue) const
{
    const int i = indexOf(key);
    return i >= 0 ? m_entries.at(i).value : defaultValue;
}

void AttributeMap::insert(const QString &key, const QString &value)
{
    (*this)[key] = value;
}

QString &AttributeMap::operator[](const QString &key)
{
    const int i = lowerBound(key);
    if (i == m_entries.size() || m_entries.at(i).key != key)
        m_entries.insert(i, Entry{key, QString()});
    return m_entries[i].value;
}

int AttributeMap::remove(const QString &key)
{
    const int i = indexOf(key);
    if (i < 0)
        return 0;
    m_entries.remove(i);
    return 1;
}

QString AttributeMap::take(const QString &key)
{
    const int i = indexOf(key);
    if (i < 0)
        return QString();
    QString value = m_entries.at(i).value;
    m_entries.remove(i);
    return value;
}

QStringList AttributeMap::keys() const
{
    QStringList result;
    result.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        result.append(entry.key);
    return result;
}

QStringList AttributeMap::values() const
{
    QStringList result;
    result.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        result.append(entry.value);
    return result;
}

bool AttributeMap::operator==(const AttributeMap &other) const
{
    if (m_entries.size() != other.m_entries.size())
        return false;
    for (int i = 0; i < m_entries.size(); ++i) {
        const Entry &a = m_entries.at(i);
        const Entry &b = other.m_entries.at(i);
        if (a.key != b.key || a.value != b.value)
            return false;
    }
    return true;
}
