#ifndef XMLWIZARDDATATYPETEMPLATES_H
#define XMLWIZARDDATATYPETEMPLATES_H

#include "xmltemplatemerge.h"

#include <QList>
#include <QWizardPage>

#include <functional>
#include <memory>

class QTableWidgetItem;
class XmlObject;
class XmlWizard;

namespace Ui {
class XmlWizardDataTypeTemplates;
}

// Lists the ICD's data types that differ from the open document's, one row
// per differing child, and lets the user ignore each, let it replace the
// document's, or add it under a prefixed id. Next hands the choices to the
// wizard's templates.
class XmlWizardDataTypeTemplates : public QWizardPage
{
    Q_OBJECT

public:
    explicit XmlWizardDataTypeTemplates(XmlWizard *wizard);
    ~XmlWizardDataTypeTemplates() override;

    void initializePage() override;
    bool validatePage() override;

    // Shows the ICD's type beside the document's; tests replace it to see the pair.
    std::function<void(const XmlObject *icdType, const XmlObject *documentType)> showComparison;
    // Asks for a prefix: the text, or an empty string when cancelled; tests answer it.
    std::function<QString()> askPrefix;

public slots:
    void slotCellChanged(int row, int column);
    void slotHeaderClicked(int column);

private:
    void addRow(const XmlTemplateMerge::Conflict &conflict);
    void compareRow(int row);
    QTableWidgetItem *cell(int row, int column) const;
    bool isChecked(int row, int column) const;
    // Checks one of the operation boxes of a row and clears the other two.
    void checkOnly(int row, int column);
    // The first checked operation column of a row, or -1.
    int chosenColumn(int row) const;
    void namePrefixes();
    // Shows text as a warning; always false, for validatePage to return.
    bool refuse(const QString &text);

    std::unique_ptr<Ui::XmlWizardDataTypeTemplates> ui;
    XmlWizard *m_wizard; // not owned
    QList<XmlTemplateMerge::Conflict> m_rows;
};

#endif // XMLWIZARDDATATYPETEMPLATES_H
