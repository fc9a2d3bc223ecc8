#ifndef XMLWIZARDCHECK_H
#define XMLWIZARDCHECK_H

#include <QWizardPage>

#include <memory>

class XmlWizard;

namespace Ui {
class XmlWizardCheck;
}

// The inspection page. Entering it builds the pages that depend on the loaded file.
class XmlWizardCheck : public QWizardPage
{
    Q_OBJECT

public:
    explicit XmlWizardCheck(XmlWizard *wizard);
    ~XmlWizardCheck() override;

    void initializePage() override;

private:
    std::unique_ptr<Ui::XmlWizardCheck> ui;
    XmlWizard *m_wizard;
};

#endif // XMLWIZARDCHECK_H
