#include "entitybudget.h"

#include <QRegularExpression>

#include <cstring>

void EntityBudget::setDeclarations(const QXmlStreamEntityDeclarations &declarations)
{
    for (const QXmlStreamEntityDeclaration &entity : declarations)
        m_values.insert(entity.name().toUtf8(), entity.value().toString());
    for (auto it = m_values.keyBegin(); it != m_values.keyEnd(); ++it)
        m_largest = qMax(m_largest, expandedSize(*it, 0));
    m_declared = true;
    price();
}

// Its text with every reference in it expanded, in characters (at most MaxExpansion + 1).
qint64 EntityBudget::expandedSize(const QByteArray &name, int depth)
{
    const auto known = m_sizes.constFind(name);
    if (known != m_sizes.constEnd())
        return *known;
    const auto value = m_values.constFind(name);
    if (value == m_values.constEnd())
        return 0; // predefined, or not declared: the parser answers for those
    // Until it is known, an entity counts as too large: so does one that refers to itself.
    m_sizes.insert(name, MaxExpansion + 1);
    qint64 size = value->size();
    static const QRegularExpression reference(QStringLiteral("&([^#;&\\s]+);"));
    auto matches = reference.globalMatch(*value);
    while (matches.hasNext() && size <= MaxExpansion) {
        const QByteArray inner = matches.next().captured(1).toUtf8();
        size += depth < MaxNesting ? expandedSize(inner, depth + 1) : MaxExpansion;
    }
    size = qMin(size, MaxExpansion + 1);
    m_sizes.insert(name, size);
    return size;
}

void EntityBudget::price()
{
    qint64 total = 0;
    for (auto it = m_references.cbegin(); it != m_references.cend() && total <= MaxExpansion; ++it) {
        // A name that is not declared here may be one whose bytes are not UTF-8: count it as the largest.
        const qint64 size = m_values.contains(it.key()) ? expandedSize(it.key(), 0) : m_largest;
        total += qMin(it.value(), MaxExpansion + 1) * size;
    }
    m_exceeded = total > MaxExpansion;
}

void EntityBudget::countReference()
{
    static const QByteArrayList predefined = {"amp", "lt", "gt", "quot", "apos"};
    if (!predefined.contains(m_name))
        ++m_references[m_name];
}

// Finds "&name;" in the bytes of any encoding the parser reads. Zero bytes
// are skipped: XML text holds none, so they are the high bytes of UTF-16
// or UTF-32 units. A name that is not ASCII may be misread; it then counts
// as the largest entity.
void EntityBudget::scan(const char *data, qint64 size)
{
    const char *p = data;
    const char *const end = data + size;
    while (p < end) {
        if (!m_inReference) {
            p = static_cast<const char *>(memchr(p, '&', size_t(end - p)));
            if (!p)
                return;
            ++p;
            m_inReference = true;
            m_name.clear();
            continue;
        }
        const char c = *p++;
        if (c == 0)
            continue;
        if (c == ';') {
            countReference();
            m_inReference = false;
        } else if (c == '&') {
            m_name.clear();
        } else if (strchr(" \t\r\n<>\"'#", c)) {
            m_inReference = false; // a character reference, or no reference at all
        } else if (m_name.size() == MaxNameLength) {
            m_name.clear();
            countReference();
            m_inReference = false;
        } else {
            m_name += c;
        }
    }
}

qint64 EntityBudget::readData(char *data, qint64 maxSize)
{
    if (m_exceeded)
        return -1;
    const qint64 count = m_source->read(data, maxSize);
    if (count <= 0)
        return count;
    scan(data, count);
    if (m_declared)
        price();
    return m_exceeded ? -1 : count;
}
