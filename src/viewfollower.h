#ifndef VIEWFOLLOWER_H
#define VIEWFOLLOWER_H

#include <QObject>

class ElementView;
class QMdiArea;
class SclDocument;
class XmlObject;

// Keeps the views of the central area in step with the document: a view
// whose element leaves the document closes at once, and after any other
// change the open views show the document anew, once per turn of the event
// loop however many changes one command made.
class ViewFollower : public QObject
{
    Q_OBJECT

public:
    ViewFollower(SclDocument *document, QMdiArea *area);

    static ElementView *viewOf(QWidget *widget);

signals:
    // The views closed because their elements left, and none is open any more.
    void lastViewClosed();

private:
    void aboutToRemove(XmlObject *element);
    void scheduleRefresh();
    void refresh();

    QMdiArea *m_area;
    bool m_refreshPending = false;
};

#endif // VIEWFOLLOWER_H
