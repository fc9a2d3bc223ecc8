#include "xmlwizardfinish.h"
#include "ui_xmlwizardfinish.h"

#include "xmlobject.h"
#include "xmlwizard.h"
#include "xmlwizardconnectedaps.h"

#include <QTextCursor>

XmlWizardFinish::XmlWizardFinish(XmlWizard *wizard)
    : QWizardPage(wizard),
      ui(std::make_unique<Ui::XmlWizardFinish>()),
      m_wizard(wizard)
{
    ui->setupUi(this);
}

XmlWizardFinish::~XmlWizardFinish() = default;

void XmlWizardFinish::heading(const QString &text)
{
    ui->textEdit->insertHtml(QStringLiteral("<span style=\"font-weight:900; color:black\">%1</span><br>")
                             .arg(text.toHtmlEscaped()));
}

void XmlWizardFinish::item(const QString &text)
{
    ui->textEdit->insertHtml(QStringLiteral("<span style=\"color:black; white-space:pre\">%1</span><br>").arg(text.toHtmlEscaped()));
}

void XmlWizardFinish::initializePage()
{
    ui->textEdit->clear();
    heading(tr("Load:"));
    item(field(QStringLiteral("fileName")).toString());
    item(QString());
    heading(tr("Inspect:"));
    item(tr("ignore check."));
    item(QString());

    heading(tr("AccessPoint:"));
    for (const XmlWizardConnectedAPS *page : m_wizard->accessPointPages()) {
        for (const XmlObject *connectedAp : page->connectedAps()) {
            QString text = tr("Add ConnectedAP = %1 - %2.")
                    .arg(connectedAp->attribute(QStringLiteral("iedName")), connectedAp->attribute(QStringLiteral("apName")));
            for (const XmlObject *child : connectedAp->children) {
                const XmlObject *address = child->name == QLatin1String("Address")
                        ? child : child->findChild(QStringLiteral("Address"));
                const QString type = child->name == QLatin1String("Address") ? QStringLiteral("IP")
                                                                             : QStringLiteral("MAC-Address");
                const XmlObject *parameter = address ? address->findChild(QStringLiteral("P"), QStringLiteral("type"), type)
                                                     : nullptr;
                if (parameter)
                    text += (type == QLatin1String("IP") ? tr(" IP: %1") : tr(" MAC-Address: %1")).arg(parameter->value);
            }
            item(text);
        }
    }
    item(QString());

    heading(tr("DataTypeTemplates:"));
    const struct
    {
        XmlTemplateMerge::Kind kind;
        QString heading;
    } kinds[] = {{XmlTemplateMerge::LNodeTypeKind, tr("LNodeTypes:")}, {XmlTemplateMerge::DOTypeKind, tr("DoTypes:")},
                 {XmlTemplateMerge::DATypeKind, tr("DaTypes:")}, {XmlTemplateMerge::EnumTypeKind, tr("EnumTypes:")}};
    for (const auto &kind : kinds) {
        heading(kind.heading);
        for (const TypeRevision &record : m_wizard->templates.records(kind.kind)) {
            switch (record.operation) {
            case TypeRevision::Insert: item(tr("insert:  %1").arg(record.id)); break;
            case TypeRevision::Ignore: item(tr("ignore:  %1").arg(record.id)); break;
            case TypeRevision::Replace: item(tr("replace: %1").arg(record.id)); break;
            case TypeRevision::Prefix:
                item(tr("prefix:  %1 to %2").arg(record.id, record.type->attribute(QStringLiteral("id"))));
                break;
            }
        }
    }
    ui->textEdit->moveCursor(QTextCursor::End);
}
