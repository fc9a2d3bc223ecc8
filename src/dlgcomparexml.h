#ifndef DLGCOMPAREXML_H
#define DLGCOMPAREXML_H

#include <QDialog>

#include <memory>

class QScrollBar;
class QTextEdit;
class XmlObject;

namespace Ui {
class DlgCompareXml;
}

// Shows an element of an imported ICD file beside one of the open SCD as XML
// text, scrolls both panes together and marks in yellow the lines that the
// other side lacks.
class DlgCompareXml : public QDialog
{
    Q_OBJECT

public:
    // Both elements are required.
    DlgCompareXml(const XmlObject *icdElement, const XmlObject *scdElement, QWidget *parent = nullptr);
    ~DlgCompareXml() override;

public slots:
    void slotIcdVerticalScrollBarVMove(int value);
    void slotScdVerticalScrollBarVMove(int value);
    void slotIcdHorizontalScrollBarVMove(int value);
    void slotScdHorizontalScrollBarVMove(int value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showIds();
    void highlightDifferences();
    // Marks the first line of pane that equals line.
    static void highlightFirst(const QString &line, QTextEdit *pane);
    void follow(QScrollBar *bar, int value);

    std::unique_ptr<Ui::DlgCompareXml> ui;
    const XmlObject *icdObject;
    const XmlObject *scdObject;
    bool m_following = false;
};

#endif // DLGCOMPAREXML_H
