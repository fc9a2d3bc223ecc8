#include "propertydelegate.h"

#include "xmlobject.h"
#include "xmlschema.h"
#include "xscomplex.h"
#include "xscontent.h"
#include "xsrestriction.h"
#include "xssimple.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {

QComboBox *choiceEditor(QWidget *parent, const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->addItems(items);
    return combo;
}

QLineEdit *patternEditor(QWidget *parent, const QString &pattern)
{
    auto *edit = new QLineEdit(parent);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    return edit;
}

QSpinBox *numberEditor(QWidget *parent, int minimum, int maximum)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    return spin;
}

// The ids of the document's type elements an attribute refers to, or none
// when the attribute names no type element.
QStringList typeIds(const QString &element, const QString &attribute)
{
    const bool doType = element == QLatin1String("DO") && attribute == QLatin1String("type");
    QStringList ids;
    const QList<XmlObject *> types = XmlSchema::instance()->templateObjects(
                doType ? QStringLiteral("DOType") : attribute);
    for (const XmlObject *type : types)
        ids.append(type->attribute(QStringLiteral("id")));
    return ids;
}

// The pattern of a complex type with simple content, written as a
// QRegularExpression pattern; empty when it has none.
QString complexPattern(const XsComplex *complex)
{
    const XsRestriction *restriction = complex->content ? complex->content->restriction : nullptr;
    if (!restriction)
        return QString();
    XsSimple facets;
    facets.pattern = restriction->pattern;
    if (facets.pattern.isEmpty()) {
        if (const XsSimple *base = XmlSchema::instance()->simpleType(restriction->base))
            facets.pattern = base->regexPattern();
    }
    return facets.regexPattern();
}

} // namespace

PropertyDelegate::PropertyDelegate(QObject *parent)
    : QItemDelegate(parent)
{
}

QWidget *PropertyDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    const QString type = index.data(TypeRole).toString();
    const QString attribute = index.data(AttributeRole).toString();
    const QString element = index.data(ElementRole).toString();

    if (element == QLatin1String("SubNetwork") && attribute == QLatin1String("type"))
        return choiceEditor(parent, {QStringLiteral("8-MMS"), QStringLiteral("IECGOOSE"), QStringLiteral("SMV")});
    const QStringList ids = typeIds(element, attribute);
    if (!ids.isEmpty())
        return choiceEditor(parent, ids);

    const XmlSchema *schema = XmlSchema::instance();
    QString pattern;
    if (const XsSimple *simple = schema->simpleType(type)) {
        const QStringList literals = simple->allEnumerations();
        if (!literals.isEmpty())
            return choiceEditor(parent, literals);
        pattern = simple->regexPattern();
    } else if (const XsComplex *complex = schema->complexType(type)) {
        pattern = complexPattern(complex);
    } else if (type == QLatin1String("xs:boolean")) {
        return choiceEditor(parent, {QStringLiteral("true"), QStringLiteral("false")});
    } else if (type == QLatin1String("xs:unsignedInt")) {
        return numberEditor(parent, 0, 65535);
    } else if (type == QLatin1String("xs:integer")) {
        return numberEditor(parent, -32768, 32767);
    }
    if (!pattern.isEmpty())
        return patternEditor(parent, pattern);
    return new QLineEdit(parent);
}

void PropertyDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (!index.isValid())
        return;
    const QString text = index.data(Qt::DisplayRole).toString();
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(editor))
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    else if (auto *spin = qobject_cast<QSpinBox *>(editor))
        spin->setValue(text.toInt());
}

void PropertyDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    QString value;
    if (const auto *edit = qobject_cast<QLineEdit *>(editor)) {
        value = edit->text();
    } else if (const auto *combo = qobject_cast<QComboBox *>(editor)) {
        value = combo->currentText();
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        // Digits typed but not yet confirmed count too.
        spin->interpretText();
        value = QString::number(spin->value());
    }
    model->setData(index, value, Qt::DisplayRole);
}

void PropertyDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
