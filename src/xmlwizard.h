#ifndef XMLWIZARD_H
#define XMLWIZARD_H

#include "xmltemplatemerge.h"

#include <QList>
#include <QWizard>

class Kestrel;
class QAbstractItemView;
class UserPrompt;
class XmlObject;
class XmlWizardConnectedAPS;

// Adds one IED from an ICD file to the open document: the user names it,
// picks the file, connects its access points to the sub-networks and decides
// what becomes of its data types. Nothing in the document changes before
// Finish; Cancel leaves it as it was.
class XmlWizard : public QWizard
{
    Q_OBJECT

public:
    explicit XmlWizard(Kestrel *window, QWidget *parent = nullptr);
    ~XmlWizard() override;

    // The open document, and the loaded ICD document (owned until Finish).
    QList<XmlObject *> scdRoots() const;
    const QList<XmlObject *> &icdDocument() const { return icdRoots; }
    // Replaces the ICD document with a newly loaded one; pages built for another file are rebuilt.
    void setIcdDocument(const QList<XmlObject *> &roots, const QString &path);
    UserPrompt *prompt() const;
    // The IED an ICD document brings: the first one, in document order.
    static XmlObject *firstIed(const QList<XmlObject *> &roots);

    // Writes the cell editor still open in view back to its cell and closes
    // it, as Enter would: a page reads the value the user sees, also when
    // Next is pressed while a cell is being edited.
    static void commitOpenEditor(QAbstractItemView *view);

    // Builds the pages that depend on the loaded file: one per access point
    // with control blocks, the data type page and the summary.
    void buildFilePages();
    QList<XmlWizardConnectedAPS *> accessPointPages() const;

    void addIed();
    void addConnectAps();
    void addDataTypeTemplates();
    void addEnumTypes(XmlObject *dataTypeTemplates);
    void addDaTypes(XmlObject *dataTypeTemplates);
    void addDoTypes(XmlObject *dataTypeTemplates);
    void addNodeTypes(XmlObject *dataTypeTemplates);
    // Points the LN and LN0 of elements (and below) at the new id of every re-identified LNodeType.
    void alterIed(const QList<XmlObject *> &elements);

    Kestrel *mainWindow; // not owned
    // The decisions about the ICD's data types, filled by the data type page.
    XmlTemplateMerge templates;

public slots:
    void accept() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void removeFilePages();
    void releaseIcdDocument();

    QList<XmlObject *> icdRoots;
    QString loadedFile;
    bool pagesDirty = false;
    QList<int> apsPageIds;
    int templatesPageId = -1;
    int finishPageId = -1;
    // Types of the open document that imported ones replaced: detached, freed with the document.
};

#endif // XMLWIZARD_H
