#ifndef SCLHISTORY_H
#define SCLHISTORY_H

#include "elementview.h"

#include <QWidget>

#include <memory>

class Kestrel;
class XmlObject;

namespace Ui {
class sclHistory;
}

// The revision history of the document (the Hitem entries of the Header's History).
class sclHistory : public QWidget, public ElementView
{
    Q_OBJECT

public:
    explicit sclHistory(Kestrel *window);
    ~sclHistory() override;

    void setObject(XmlObject *element) { history = element; }
    void fillTable();

    XmlObject *shownElement() const override { return history; }
    QString title() const override;
    void refresh() override;

    XmlObject *history = nullptr; // not owned

private:
    std::unique_ptr<Ui::sclHistory> ui;
};

#endif // SCLHISTORY_H
