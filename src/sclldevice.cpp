#include "sclldevice.h"

#include "xmlobject.h"

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
