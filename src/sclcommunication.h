#ifndef SCLCOMMUNICATION_H
#define SCLCOMMUNICATION_H

#include <QWidget>

#include <memory>

class Kestrel;
class XmlObject;

namespace Ui {
class sclCommunication;
}

// The sub-networks of the Communication section.
class sclCommunication : public QWidget
{
    Q_OBJECT

public:
    explicit sclCommunication(Kestrel *window);
    ~sclCommunication() override;

    void setObject(XmlObject *element) { communication = element; }
    void fillTable();

    XmlObject *communication = nullptr; // not owned

private:
    std::unique_ptr<Ui::sclCommunication> ui;
};

#endif // SCLCOMMUNICATION_H
