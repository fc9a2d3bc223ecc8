#include "xmlwizardload.h"
#include "ui_xmlwizardload.h"

#include "dialogprogress.h"
#include "userprompt.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlwizard.h"

#include <QProgressDialog>

XmlWizardLoad::XmlWizardLoad(XmlWizard *wizard)
    : QWizardPage(wizard),
      ui(std::make_unique<Ui::XmlWizardLoad>()),
      m_wizard(wizard)
{
    ui->setupUi(this);
    registerField(QStringLiteral("iedName*"), ui->nameLineEdit);
    registerField(QStringLiteral("iedDesc"), ui->descLineEdit);
    registerField(QStringLiteral("fileName*"), ui->fileNameLineEdit);
    connect(ui->browseBtn, &QPushButton::clicked, this, &XmlWizardLoad::slotBrowse);
}

XmlWizardLoad::~XmlWizardLoad() = default;

void XmlWizardLoad::slotBrowse()
{
    const QString path = m_wizard->prompt()->openFileName(this, tr("Load File"), tr("ICD files(*.icd);;All files(*.*)"));
    if (!path.isEmpty())
        ui->fileNameLineEdit->setText(path);
}

bool XmlWizardLoad::validatePage()
{
    const QString name = field(QStringLiteral("iedName")).toString().trimmed();
    const QList<XmlObject *> scd = m_wizard->scdRoots();
    if (scd.isEmpty())
        return false;
    for (const XmlObject *child : scd.first()->children) {
        if (child->name == QLatin1String("IED") && child->attribute(QStringLiteral("name")) == name) {
            m_wizard->prompt()->warn(this, tr("Message"), tr("IED name %1 already exist, Please input again.").arg(name));
            return false;
        }
    }
    const QString path = field(QStringLiteral("fileName")).toString().trimmed();
    QProgressDialog dialog(tr("Please wait, SCL file parsing ......"), QString(), 0, 1, this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    DialogProgress progress(&dialog);
    const QList<XmlObject *> roots = XmlReader::load(path, &progress);
    dialog.hide();
    XmlObject *ied = XmlWizard::firstIed(roots);
    if (!ied) {
        // A file without an IED has nothing to import either.
        qDeleteAll(roots);
        m_wizard->prompt()->warn(this, tr("Message"), tr("Load file %1 failed.").arg(path));
        return false;
    }
    m_wizard->setIcdDocument(roots, path);
    ied->attributes.insert(QStringLiteral("name"), name);
    // An empty description keeps the one the file brings.
    const QString desc = field(QStringLiteral("iedDesc")).toString().trimmed();
    if (!desc.isEmpty())
        ied->attributes.insert(QStringLiteral("desc"), desc);
    return true;
}
