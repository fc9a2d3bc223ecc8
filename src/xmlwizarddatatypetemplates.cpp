#include "xmlwizarddatatypetemplates.h"
#include "ui_xmlwizarddatatypetemplates.h"

#include "dlgcomparexml.h"
#include "dlgprefixname.h"
#include "userprompt.h"
#include "xmlwizard.h"

#include <QHeaderView>

namespace {

enum Column { TypeColumn, IdColumn, IgnoreColumn, ReplaceColumn, PrefixColumn, PrefixNameColumn };

const int OperationColumns[] = {IgnoreColumn, ReplaceColumn, PrefixColumn};

bool isOperationColumn(int column)
{
    return column >= IgnoreColumn && column <= PrefixColumn;
}

TypeRevision::Operation operationOf(int column)
{
    switch (column) {
    case ReplaceColumn:
        return TypeRevision::Replace;
    case PrefixColumn:
        return TypeRevision::Prefix;
    default:
        return TypeRevision::Ignore;
    }
}

QTableWidgetItem *newItem(const QString &text, Qt::ItemFlags flags)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(flags);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QTableWidgetItem *newCheckItem(const QString &text)
{
    QTableWidgetItem *item = newItem(text, Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

} // namespace

XmlWizardDataTypeTemplates::XmlWizardDataTypeTemplates(XmlWizard *wizard)
    : QWizardPage(wizard),
      ui(std::make_unique<Ui::XmlWizardDataTypeTemplates>()),
      m_wizard(wizard)
{
    ui->setupUi(this);
    QTableWidget *table = ui->typesTableWidget;
    table->setColumnWidth(TypeColumn, 80);
    table->setColumnWidth(IdColumn, 160);
    connect(table, &QTableWidget::cellClicked, this, &XmlWizardDataTypeTemplates::slotCellChanged);
    connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &XmlWizardDataTypeTemplates::slotHeaderClicked);

    showComparison = [this](const XmlObject *icdType, const XmlObject *documentType) {
        DlgCompareXml dialog(icdType, documentType, this);
        dialog.exec();
    };
    askPrefix = [this] {
        DlgPrefixName dialog(this);
        return dialog.exec() == QDialog::Accepted ? dialog.prefixName() : QString();
    };
}

XmlWizardDataTypeTemplates::~XmlWizardDataTypeTemplates() = default;

void XmlWizardDataTypeTemplates::initializePage()
{
    // Back and Next again start over: earlier choices renamed the copies.
    m_wizard->templates.collect(m_wizard->icdDocument());
    m_rows.clear();
    ui->typesTableWidget->setRowCount(0);
    const QList<XmlTemplateMerge::Conflict> conflicts = m_wizard->templates.compare();
    for (const XmlTemplateMerge::Conflict &conflict : conflicts)
        addRow(conflict);
    // The kind names and the choices fit, so that the prefix name stays in view.
    for (int column : {TypeColumn, IgnoreColumn, ReplaceColumn, PrefixColumn})
        ui->typesTableWidget->resizeColumnToContents(column);
    ui->noteLabel->setText(conflicts.isEmpty() ? tr("Not found different type.") : QString());
}

void XmlWizardDataTypeTemplates::addRow(const XmlTemplateMerge::Conflict &conflict)
{
    QTableWidget *table = ui->typesTableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    m_rows.append(conflict);
    const Qt::ItemFlags readOnly = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    table->setItem(row, TypeColumn, newItem(XmlTemplateMerge::kindName(conflict.kind), readOnly));
    QTableWidgetItem *id = newItem(conflict.id, readOnly);
    id->setBackground(Qt::yellow); // click it to compare
    table->setItem(row, IdColumn, id);
    table->setItem(row, IgnoreColumn, newCheckItem(tr("ignore")));
    table->setItem(row, ReplaceColumn, newCheckItem(tr("replace")));
    table->setItem(row, PrefixColumn, newCheckItem(tr("prefix")));
    table->setItem(row, PrefixNameColumn, newItem(QString(), readOnly | Qt::ItemIsEditable));
}

QTableWidgetItem *XmlWizardDataTypeTemplates::cell(int row, int column) const
{
    return ui->typesTableWidget->item(row, column);
}

bool XmlWizardDataTypeTemplates::isChecked(int row, int column) const
{
    return cell(row, column)->checkState() == Qt::Checked;
}

void XmlWizardDataTypeTemplates::checkOnly(int row, int column)
{
    for (int operation : OperationColumns)
        cell(row, operation)->setCheckState(operation == column ? Qt::Checked : Qt::Unchecked);
}

int XmlWizardDataTypeTemplates::chosenColumn(int row) const
{
    for (int operation : OperationColumns) {
        if (isChecked(row, operation))
            return operation;
    }
    return -1;
}

void XmlWizardDataTypeTemplates::slotCellChanged(int row, int column)
{
    if (column == IdColumn)
        compareRow(row);
    else if (isOperationColumn(column) && isChecked(row, column))
        checkOnly(row, column);
}

void XmlWizardDataTypeTemplates::compareRow(int row)
{
    const XmlTemplateMerge::Conflict &conflict = m_rows.at(row);
    const XmlTemplateMerge &templates = m_wizard->templates;
    for (const TypeRevision &record : templates.records(conflict.kind)) {
        if (record.id != conflict.id)
            continue;
        if (const XmlObject *documentType = templates.documentType(conflict.kind, record))
            showComparison(record.type.get(), documentType);
        return;
    }
}

void XmlWizardDataTypeTemplates::slotHeaderClicked(int column)
{
    const int rows = ui->typesTableWidget->rowCount();
    if (rows == 0)
        return;
    if (column == PrefixNameColumn) {
        namePrefixes();
        return;
    }
    if (!isOperationColumn(column))
        return;
    // Checks the column everywhere; a column checked everywhere already is cleared.
    bool changed = false;
    for (int row = 0; row < rows; ++row) {
        if (!isChecked(row, column)) {
            checkOnly(row, column);
            changed = true;
        }
    }
    if (changed)
        return;
    for (int row = 0; row < rows; ++row)
        cell(row, column)->setCheckState(Qt::Unchecked);
}

void XmlWizardDataTypeTemplates::namePrefixes()
{
    QList<int> prefixed;
    for (int row = 0; row < ui->typesTableWidget->rowCount(); ++row) {
        if (isChecked(row, PrefixColumn))
            prefixed.append(row);
    }
    if (prefixed.isEmpty()) {
        refuse(tr("Not found the selected prefix."));
        return;
    }
    const QString prefix = askPrefix();
    if (prefix.isEmpty())
        return;
    for (int row : qAsConst(prefixed))
        cell(row, PrefixNameColumn)->setText(prefix);
}

bool XmlWizardDataTypeTemplates::refuse(const QString &text)
{
    m_wizard->prompt()->warn(this, tr("Message"), text);
    return false;
}

bool XmlWizardDataTypeTemplates::validatePage()
{
    XmlWizard::commitOpenEditor(ui->typesTableWidget);
    const int rows = ui->typesTableWidget->rowCount();
    for (int row = 0; row < rows; ++row) {
        const QString &id = m_rows.at(row).id;
        if (chosenColumn(row) < 0)
            return refuse(tr("Please select operation of the %1.").arg(id));
        if (isChecked(row, PrefixColumn) && cell(row, PrefixNameColumn)->text().trimmed().isEmpty())
            return refuse(tr("Please enter prefix name of the %1.").arg(id));
    }
    for (int row = 0; row < rows; ++row) {
        const XmlTemplateMerge::Conflict &conflict = m_rows.at(row);
        m_wizard->templates.choose(conflict.kind, conflict.id, operationOf(chosenColumn(row)),
                                   cell(row, PrefixNameColumn)->text().trimmed());
    }
    return true;
}
