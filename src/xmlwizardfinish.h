#ifndef XMLWIZARDFINISH_H
#define XMLWIZARDFINISH_H

#include <QWizardPage>

#include <memory>

class XmlWizard;

namespace Ui {
class XmlWizardFinish;
}

// The summary of what Finish will do to the document.
class XmlWizardFinish : public QWizardPage
{
    Q_OBJECT

public:
    explicit XmlWizardFinish(XmlWizard *wizard);
    ~XmlWizardFinish() override;

    void initializePage() override;

private:
    void heading(const QString &text);
    void item(const QString &text);

    std::unique_ptr<Ui::XmlWizardFinish> ui;
    XmlWizard *m_wizard;
};

#endif // XMLWIZARDFINISH_H
