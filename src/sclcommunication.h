#ifndef SCLCOMMUNICATION_H
#define SCLCOMMUNICATION_H

#include "elementview.h"

#include <QWidget>

#include <memory>

class Kestrel;
class XmlObject;

namespace Ui {
class sclCommunication;
}

// The sub-networks of the Communication section.
class sclCommunication : public QWidget, public ElementView
{
    Q_OBJECT

public:
    explicit sclCommunication(Kestrel *window);
    ~sclCommunication() override;

    void setObject(XmlObject *element) { communication = element; }
    void fillTable();

    XmlObject *shownElement() const override { return communication; }
    QString title() const override;
    void refresh() override;

    XmlObject *communication = nullptr; // not owned

private:
    std::unique_ptr<Ui::sclCommunication> ui;
};

#endif // SCLCOMMUNICATION_H
