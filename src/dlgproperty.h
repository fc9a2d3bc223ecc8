#ifndef DLGPROPERTY_H
#define DLGPROPERTY_H

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>

#include <memory>

class UserPrompt;
class XmlObject;
class XsUnique;

namespace Ui {
class DlgProperty;
}

// One attribute offered by the property dialog; the name "value" stands for the element's text.
struct PropertyRow
{
    QString name;
    QString type;
    QString value;
    int optional = 1; // 0 when the attribute is required
};

// Collects the attribute values of an element about to be inserted below
// parentObject. Refuses to close while a required value is empty, an added
// name is not a usable attribute name, or the element would repeat the key
// of a sibling.
class DlgProperty : public QDialog
{
    Q_OBJECT

public:
    DlgProperty(XmlObject *parentObject, const QList<PropertyRow> &rows, const QString &elementName,
                QWidget *parent = nullptr);
    ~DlgProperty() override;

    // Takes ownership; tests answer the refusals through it.
    void setUserPrompt(UserPrompt *prompt);

    // The results, filled when OK was accepted.
    QMap<QString, QString> values() const { return m_values; }
    QString valueText() const { return m_valueText; }

    // The value cell's Qt::UserRole data of a required row.
    static constexpr int RequiredMark = 18;

public slots:
    void slotOk();
    void slotAdd();
    void slotDelete();

private:
    void fillTable();
    const XsUnique *findUniqueViolation(const QMap<QString, QString> &values) const;

    std::unique_ptr<Ui::DlgProperty> ui;
    std::unique_ptr<UserPrompt> m_prompt;
    QList<PropertyRow> m_rows;
    QMap<QString, QString> m_values;
    QString m_valueText;
    XmlObject *m_parentObject;
    QString m_elementName;
};

#endif // DLGPROPERTY_H
