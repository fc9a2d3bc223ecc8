#ifndef XMLWIZARDLOAD_H
#define XMLWIZARDLOAD_H

#include <QWizardPage>

#include <memory>

class XmlWizard;

namespace Ui {
class XmlWizardLoad;
}

// The first page of the import: the new IED's name and description, and the
// ICD file to take it from. Next loads the file.
class XmlWizardLoad : public QWizardPage
{
    Q_OBJECT

public:
    explicit XmlWizardLoad(XmlWizard *wizard);
    ~XmlWizardLoad() override;

    bool validatePage() override;

public slots:
    void slotBrowse();

private:
    std::unique_ptr<Ui::XmlWizardLoad> ui;
    XmlWizard *m_wizard;
};

#endif // XMLWIZARDLOAD_H
