#ifndef DLGXMLVIEW_H
#define DLGXMLVIEW_H

#include <QDialog>

#include <memory>

class XmlObject;

namespace Ui {
class DlgXmlView;
}

// Appends the XML text of element and its subtree to text: one element per
// line, indented by two blanks per level starting at depth. Attribute values
// and text are escaped, so the result is well-formed XML.
void xmlText(const XmlObject *element, int depth, QString &text);

// Read-only view of one element and its subtree as XML text, taken when the
// dialog is built.
class DlgXmlView : public QDialog
{
    Q_OBJECT

public:
    // Without an element the view stays empty.
    explicit DlgXmlView(const XmlObject *element, QWidget *parent = nullptr);
    ~DlgXmlView() override;

    QString text() const { return m_text; }

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::DlgXmlView> ui;
    QString m_text;
};

#endif // DLGXMLVIEW_H
