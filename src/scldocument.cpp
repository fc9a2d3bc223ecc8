#include "scldocument.h"

#include "compoundcommand.h"
#include "xmlcheck.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"

namespace {

const QString ValueKey = QStringLiteral("value");

bool isTemplates(const XmlObject *element)
{
    return element && element->name == QLatin1String("DataTypeTemplates");
}

// The type definition the element is or lies in, or null.
XmlObject *enclosingType(XmlObject *element)
{
    for (; element && element->parent; element = element->parent) {
        if (isTemplates(element->parent))
            return element;
    }
    return nullptr;
}

void forgetType(XmlObject *type)
{
    XmlSchema *schema = XmlSchema::instance();
    if (type->name == QLatin1String("LNodeType"))
        schema->removeLNodeType(type);
    else if (type->name == QLatin1String("DOType"))
        schema->removeDOType(type);
    else if (type->name == QLatin1String("DAType"))
        schema->removeDAType(type);
    else if (type->name == QLatin1String("EnumType"))
        schema->removeEnumType(type);
}

// Takes a type out of the indexes while it changes, and puts it back after.
class TypeReindex
{
public:
    explicit TypeReindex(XmlObject *inside) : m_type(enclosingType(inside))
    {
        if (m_type)
            forgetType(m_type);
    }
    ~TypeReindex()
    {
        if (m_type)
            XmlSchema::instance()->addTemplate(m_type);
    }
    TypeReindex(const TypeReindex &) = delete;
    TypeReindex &operator=(const TypeReindex &) = delete;

private:
    XmlObject *m_type;
};

} // namespace

SclDocument::SclDocument(QObject *parent) : QObject(parent)
{
}

SclDocument::~SclDocument()
{
    m_history.clear();
    qDeleteAll(m_roots);
    XmlSchema::instance()->clearDataTemplates();
}

bool SclDocument::load(const QString &path, Progress *progress)
{
    const QList<XmlObject *> roots = XmlReader::load(path, progress);
    if (roots.isEmpty())
        return false;
    reset(roots);
    m_fileName = path;
    return true;
}

bool SclDocument::save(const QString &path, Progress *progress)
{
    if (path.isEmpty() || !XmlReader::save(path, m_roots, progress))
        return false;
    m_fileName = path;
    return true;
}

void SclDocument::reset(const QList<XmlObject *> &roots)
{
    m_macro.reset();
    m_macroDepth = 0;
    m_history.clear();
    // The views let go of the old elements before they are freed.
    const QList<XmlObject *> old = m_roots;
    m_roots.clear();
    m_fileName.clear();
    XmlSchema::instance()->clearDataTemplates();
    emit documentReset();
    qDeleteAll(old);
    m_roots = roots;
    indexTemplates();
    if (!roots.isEmpty())
        emit documentReset();
}

void SclDocument::close()
{
    reset({});
}

XmlObject *SclDocument::scl() const
{
    for (XmlObject *root : m_roots) {
        if (root->name == QLatin1String("SCL"))
            return root;
    }
    return nullptr;
}

void SclDocument::indexTemplates()
{
    XmlCheck::instance()->indexDocument(m_roots);
}

void SclDocument::followFirstTemplates(XmlObject *parent)
{
    if (parent != scl())
        return;
    XmlSchema *schema = XmlSchema::instance();
    XmlObject *first = parent->findChild(QStringLiteral("DataTypeTemplates"));
    if (first == schema->templateOwner)
        return;
    schema->clearDataTemplates();
    schema->setDataTemplates(first);
}

void SclDocument::execute(std::unique_ptr<EditCommand> command)
{
    command->redo(*this);
    record(std::move(command));
}

void SclDocument::record(std::unique_ptr<EditCommand> command)
{
    if (m_macro)
        m_macro->append(std::move(command));
    else if (m_recorder)
        m_recorder(std::move(command));
    else
        m_history.record(std::move(command));
}

void SclDocument::setRecorder(Recorder recorder)
{
    m_recorder = std::move(recorder);
}

void SclDocument::beginMacro(const QString &text)
{
    if (m_macroDepth++ == 0)
        m_macro = std::make_unique<CompoundCommand>(text);
}

void SclDocument::endMacro()
{
    if (m_macroDepth == 0 || --m_macroDepth > 0)
        return;
    std::unique_ptr<CompoundCommand> macro = std::move(m_macro);
    if (!macro->isEmpty())
        record(std::move(macro));
}

void SclDocument::setAttribute(XmlObject *element, const QString &key, const QString &value)
{
    {
        TypeReindex reindex(element);
        element->attributes.insert(key, value);
    }
    emit attributeChanged(element, key);
}

void SclDocument::removeAttribute(XmlObject *element, const QString &key)
{
    {
        TypeReindex reindex(element);
        element->attributes.remove(key);
    }
    emit attributeChanged(element, key);
}

void SclDocument::setText(XmlObject *element, const QString &text)
{
    {
        TypeReindex reindex(element);
        element->value = text;
    }
    emit attributeChanged(element, ValueKey);
}

void SclDocument::insertChild(XmlObject *parent, int position, XmlObject *child)
{
    {
        TypeReindex reindex(parent);
        parent->children.insert(position < 0 ? parent->children.size() : position, child);
        child->parent = parent;
        if (isTemplates(parent))
            XmlSchema::instance()->addTemplate(child);
        else if (isTemplates(child))
            followFirstTemplates(parent);
    }
    emit elementInserted(child);
}

XmlObject *SclDocument::takeChild(XmlObject *parent, int position)
{
    XmlObject *child = parent->children.at(position);
    emit elementAboutToBeRemoved(child);
    {
        TypeReindex reindex(parent);
        if (isTemplates(parent))
            forgetType(child);
        parent->children.removeAt(position);
        if (isTemplates(child))
            followFirstTemplates(parent);
    }
    emit elementRemoved(parent, child);
    return child;
}

void SclDocument::moveChild(XmlObject *parent, int from, int to)
{
    {
        TypeReindex reindex(parent);
        parent->children.move(from, to);
        if (isTemplates(parent->children.at(to)))
            followFirstTemplates(parent);
    }
    emit elementMoved(parent->children.at(to));
}
