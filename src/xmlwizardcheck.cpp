#include "xmlwizardcheck.h"
#include "ui_xmlwizardcheck.h"

#include "xmlwizard.h"

XmlWizardCheck::XmlWizardCheck(XmlWizard *wizard)
    : QWizardPage(wizard),
      ui(std::make_unique<Ui::XmlWizardCheck>()),
      m_wizard(wizard)
{
    ui->setupUi(this);
}

XmlWizardCheck::~XmlWizardCheck() = default;

void XmlWizardCheck::initializePage()
{
    m_wizard->buildFilePages();
    ui->textEdit->clear();
    ui->textEdit->append(tr("Ignored schema check!"));
}
