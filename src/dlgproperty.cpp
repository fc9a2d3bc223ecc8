#include "dlgproperty.h"
#include "ui_dlgproperty.h"

#include "propertydelegate.h"
#include "userprompt.h"
#include "xmlobject.h"
#include "xmlschema.h"
#include "xsunique.h"

#include <QColor>
#include <QHeaderView>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const QColor RequiredColour(255, 253, 176);

// True when the document reader reads the name back as a plain attribute of
// that name. A prefix other than "xml" fails here, as nothing guarantees it
// is declared where the element ends up.
bool isAttributeName(const QString &name)
{
    QXmlStreamReader xml(QStringLiteral("<a %1=\"\"/>").arg(name));
    if (!xml.readNextStartElement() || !xml.namespaceDeclarations().isEmpty())
        return false;
    const QXmlStreamAttributes attributes = xml.attributes();
    return attributes.size() == 1 && attributes.first().qualifiedName() == name;
}

// Schema fields select attributes as "@name".
QString fieldName(const QString &field)
{
    return field.startsWith(QLatin1Char('@')) ? field.mid(1) : field;
}

} // namespace

DlgProperty::DlgProperty(XmlObject *parentObject, const QList<PropertyRow> &rows, const QString &elementName,
                         QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::DlgProperty>()),
      m_prompt(std::make_unique<UserPrompt>()),
      m_rows(rows),
      m_parentObject(parentObject),
      m_elementName(elementName)
{
    ui->setupUi(this);
    fillTable();
    connect(ui->okBtn, &QPushButton::clicked, this, &DlgProperty::slotOk);
    connect(ui->addBtn, &QPushButton::clicked, this, &DlgProperty::slotAdd);
    connect(ui->delBtn, &QPushButton::clicked, this, &DlgProperty::slotDelete);
    connect(ui->cancelbtn, &QPushButton::clicked, this, &DlgProperty::reject);
}

DlgProperty::~DlgProperty() = default;

void DlgProperty::setUserPrompt(UserPrompt *prompt)
{
    m_prompt.reset(prompt);
}

void DlgProperty::fillTable()
{
    QTableWidget *table = ui->tableWidget;
    table->setShowGrid(true);
    table->setColumnWidth(0, 180);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setHighlightSections(false);
    table->setAlternatingRowColors(true);
    table->setRowCount(m_rows.size());
    table->setItemDelegateForColumn(1, new PropertyDelegate(table));

    for (int row = 0; row < m_rows.size(); ++row) {
        const PropertyRow &property = m_rows.at(row);
        auto *name = new QTableWidgetItem(property.name);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        name->setTextAlignment(Qt::AlignCenter);
        auto *value = new QTableWidgetItem(property.value);
        if (property.optional == 0) {
            name->setBackground(RequiredColour);
            value->setBackground(RequiredColour);
            value->setData(Qt::UserRole, RequiredMark);
        }
        value->setData(PropertyDelegate::TypeRole, property.type);
        value->setData(PropertyDelegate::AttributeRole, property.name);
        value->setData(PropertyDelegate::ElementRole, m_elementName);
        table->setItem(row, 0, name);
        table->setItem(row, 1, value);
    }
}

void DlgProperty::slotAdd()
{
    QTableWidget *table = ui->tableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    auto *name = new QTableWidgetItem(tr("New Item %1").arg(row + 1));
    name->setTextAlignment(Qt::AlignCenter);
    table->setItem(row, 0, name);
    table->setItem(row, 1, new QTableWidgetItem);
    table->setCurrentItem(name);
    table->editItem(name);
}

void DlgProperty::slotDelete()
{
    const int row = ui->tableWidget->currentRow();
    // Only rows the user added; a schema row keeps its place.
    if (row >= m_rows.size())
        ui->tableWidget->removeRow(row);
}

void DlgProperty::slotOk()
{
    QMap<QString, QString> values;
    QString valueText;
    const QTableWidget *table = ui->tableWidget;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *name = table->item(row, 0);
        const QTableWidgetItem *value = table->item(row, 1);
        if (!name || !value)
            continue;
        if (value->text().isEmpty() && value->data(Qt::UserRole).toInt() == RequiredMark) {
            m_prompt->inform(this, tr("Message"), tr("[%1] is required key, Value can't be empty.").arg(name->text()));
            return;
        }
        if (name->text() == QLatin1String("value")) {
            valueText = value->text();
            continue;
        }
        // The name becomes an attribute of the saved file, which must stay readable.
        if (!isAttributeName(name->text())) {
            m_prompt->inform(this, tr("Message"),
                             tr("[%1] is not a valid attribute name. A name starts with a letter or "
                                "an underscore and holds only letters, digits, '_', '-' and '.', "
                                "without blanks.").arg(name->text()));
            return;
        }
        values.insert(name->text(), value->text());
    }

    if (const XsUnique *constraint = findUniqueViolation(values)) {
        QStringList fields;
        for (const QString &field : constraint->fields)
            fields.append(fieldName(field));
        m_prompt->inform(this, tr("Message"),
                         tr("The item should be unique. The key fields: %1.").arg(fields.join(QLatin1Char(','))));
        return;
    }
    m_values = values;
    m_valueText = valueText;
    accept();
}

const XsUnique *DlgProperty::findUniqueViolation(const QMap<QString, QString> &values) const
{
    if (!m_parentObject)
        return nullptr;
    const XmlSchema *schema = XmlSchema::instance();
    const XsUnique *constraint = schema->unique(QStringLiteral("unique") + m_elementName);
    if (!constraint) {
        // LN0 shares the constraint of LN; the match below stays among LN0 siblings.
        const QString name = m_elementName == QLatin1String("LN0") ? QStringLiteral("LN") : m_elementName;
        constraint = schema->unique(QStringLiteral("unique%1In%2").arg(name, m_parentObject->name));
    }
    if (!constraint)
        return nullptr;

    for (const XmlObject *sibling : qAsConst(m_parentObject->children)) {
        if (sibling->name != m_elementName)
            continue;
        const bool sameKey = std::all_of(constraint->fields.begin(), constraint->fields.end(),
                                         [&](const QString &field) {
            const QString key = fieldName(field);
            return sibling->attribute(key) == values.value(key);
        });
        if (sameKey)
            return constraint;
    }
    return nullptr;
}
