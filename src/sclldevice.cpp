#include "sclldevice.h"

#include "objecttablewidgetitem.h"
#include "xmlobject.h"

#include <QDebug>

namespace {

void collectDevices(XmlObject *element, QList<XmlObject *> &devices)
{
    for (XmlObject *child : element->children) {
        if (child->name == QLatin1String("LDevice"))
            devices.append(child);
        else
            collectDevices(child, devices);
    }
}

} // namespace

sclLDevice::sclLDevice(QWidget *parent)
    : sclTableView(QStringLiteral("LDevice"),
                   QT_TRANSLATE_NOOP("sclTableView", "Modify record: LDevice inst = %1 desc = %2"), parent)
{
}

QList<XmlObject *> sclLDevice::rowElements() const
{
    QList<XmlObject *> devices;
    collectDevices(parentObject, devices);
    return devices;
}

void sclLDevice::slotItemClicked(QTableWidgetItem *item)
{
    objectItem = dynamic_cast<objectTableWidgetItem *>(item);
    const XmlObject *device = clickedObject();
    if (!device || !device->parent) {
        qWarning().noquote() << tr("objectItem invaild.");
        return;
    }
    int count = 0;
    int position = -1;
    for (const XmlObject *sibling : device->parent->children) {
        if (sibling->name != rowName)
            continue;
        if (sibling == device)
            position = count;
        ++count;
    }
    setButtonStates(position == 0, position == count - 1);
}
