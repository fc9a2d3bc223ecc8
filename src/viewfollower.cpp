#include "viewfollower.h"

#include "elementview.h"
#include "scldocument.h"
#include "xmlobject.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace {

bool contains(const XmlObject *ancestor, const XmlObject *element)
{
    for (; element; element = element->parent) {
        if (element == ancestor)
            return true;
    }
    return false;
}

} // namespace

ViewFollower::ViewFollower(SclDocument *document, QMdiArea *area) : QObject(area), m_area(area)
{
    connect(document, &SclDocument::elementAboutToBeRemoved, this, &ViewFollower::aboutToRemove);
    connect(document, &SclDocument::elementInserted, this, &ViewFollower::scheduleRefresh);
    connect(document, &SclDocument::elementRemoved, this, &ViewFollower::scheduleRefresh);
    connect(document, &SclDocument::elementMoved, this, &ViewFollower::scheduleRefresh);
    connect(document, &SclDocument::attributeChanged, this, &ViewFollower::scheduleRefresh);
}

ElementView *ViewFollower::viewOf(QWidget *widget)
{
    return dynamic_cast<ElementView *>(widget);
}

void ViewFollower::aboutToRemove(XmlObject *element)
{
    bool closed = false;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        const ElementView *view = viewOf(window->widget());
        if (view && contains(element, view->shownElement())) {
            m_area->removeSubWindow(window);
            window->deleteLater();
            closed = true;
        }
    }
    if (closed && m_area->subWindowList().isEmpty())
        emit lastViewClosed();
}

void ViewFollower::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, &ViewFollower::refresh);
}

void ViewFollower::refresh()
{
    m_refreshPending = false;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (ElementView *view = viewOf(window->widget())) {
            view->refresh();
            window->setWindowTitle(view->title());
        }
    }
}
