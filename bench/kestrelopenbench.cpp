// Times opening an SCL file in the editor window (parse, trees, type indexes
// and links) against the reader's load alone, and the IED view of the largest
// IED against a raw parser pass over the file, on the offscreen platform.
//
//   kestrel-openbench FILE...

#include "benchtiming.h"
#include "guiresources.h"
#include "kestrel.h"
#include "sclied.h"
#include "xmlwizard.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xmltreeitem.h"

#include <QApplication>
#include <QMdiArea>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QWizardPage>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace {

int descendants(const XmlObject *element)
{
    int count = 0;
    for (const XmlObject *child : element->children)
        count += 1 + descendants(child);
    return count;
}

XmlObject *largestIed(const XmlObject *root)
{
    XmlObject *largest = nullptr;
    int largestSize = -1;
    for (XmlObject *child : root->children) {
        const int size = child->name == QLatin1String("IED") ? descendants(child) : -1;
        if (size > largestSize) {
            largest = child;
            largestSize = size;
        }
    }
    return largest;
}

// Every tab for every logical device and logical node, and every data set's members.
void visitEveryTab(sclIed *view)
{
    auto *devices = view->findChild<QComboBox *>(QStringLiteral("LdComboBox"));
    auto *nodes = view->findChild<QComboBox *>(QStringLiteral("LnComboBox"));
    auto *dataSets = view->findChild<QTableWidget *>(QStringLiteral("DataSetTableWidget"));
    for (int device = 0; device < devices->count(); ++device) {
        devices->setCurrentIndex(device);
        view->slotTabBarClicked(1);
        for (int node = 0; node < nodes->count(); ++node) {
            nodes->setCurrentIndex(node);
            for (int tab = 2; tab <= 7; ++tab)
                view->slotTabBarClicked(tab);
            view->slotTabBarClicked(2);
            for (int row = 0; row < dataSets->rowCount(); ++row)
                view->slotDataSetItemClicked(dataSets->item(row, 0));
        }
    }
}

// Imports the first IED of source into the open document through the wizard,
// without connecting access points: the load and comparison, then Finish.
void timeImport(Kestrel &window, const QString &source, double rawMs, QTextStream &out)
{
    XmlWizard wizard(&window);
    wizard.setField(QStringLiteral("iedName"), QStringLiteral("BENCH_IMPORT"));
    wizard.setField(QStringLiteral("fileName"), source);
    QElapsedTimer timer;
    timer.start();
    if (!wizard.page(0)->validatePage())
        return;
    wizard.page(1)->initializePage();
    wizard.templates.collect(wizard.icdDocument());
    const int conflicts = wizard.templates.compare().size();
    const double prepareMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    wizard.accept();
    const double finishMs = timer.nsecsElapsed() / 1e6;
    out << QStringLiteral("  import of an IED from %1 (%2 conflicting type children)\n").arg(source).arg(conflicts)
        << QStringLiteral("    load and compare     %1 ms\n").arg(prepareMs, 8, 'f', 1)
        << QStringLiteral("    finish               %1 ms  %2x raw\n").arg(finishMs, 8, 'f', 1)
               .arg(finishMs / rawMs, 0, 'f', 3);
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // keeps the recent-file list out of the user's settings
    initGuiResources();
    XmlSchema::instance()->load();
    qInstallMessageHandler(quiet);
    QTextStream out(stdout);

    Kestrel window;
    for (const QString &file : app.arguments().mid(1)) {
        QList<XmlObject *> roots;
        const double loadMs = bestOfMs(3, [&] { roots = XmlReader::load(file); }, [&] { qDeleteAll(roots); });
        bool opened = true;
        const double openMs = bestOfMs(3, [&] { opened = opened && window.openFile(file); },
                                     [&] { window.slotClose(); });
        if (!opened) {
            out << file << ": cannot be opened\n";
            return 1;
        }
        const double rawMs = bestOfMs(3, [&] { rawPass(file); });
        out << file << QStringLiteral(" (%1 MB)\n").arg(QFileInfo(file).size() / 1e6, 0, 'f', 1)
            << QStringLiteral("  raw parser pass        %1 ms\n").arg(rawMs, 8, 'f', 1)
            << QStringLiteral("  reader load            %1 ms\n").arg(loadMs, 8, 'f', 1)
            << QStringLiteral("  open in the window     %1 ms  %2x the load\n").arg(openMs, 8, 'f', 1)
                   .arg(openMs / loadMs, 0, 'f', 2);

        window.openFile(file);
        XmlObject *ied = largestIed(window.document().first());
        if (ied) {
            const QString title = QStringLiteral("IED - ") + ied->attribute(QStringLiteral("name"));
            const double viewMs = bestOfMs(3, [&] { window.slotXmlItemClicked(ied->treeItem); },
                                         [&] { window.mdiArea()->closeAllSubWindows(); });
            window.slotXmlItemClicked(ied->treeItem);
            auto *view = qobject_cast<sclIed *>(window.findView(title)->widget());
            const double tabsMs = bestOfMs(3, [&] { visitEveryTab(view); });
            out << QStringLiteral("  IED view of %1 (%2 elements)\n").arg(ied->attribute(QStringLiteral("name")))
                       .arg(descendants(ied))
                << QStringLiteral("    open                 %1 ms  %2x raw\n").arg(viewMs, 8, 'f', 1)
                       .arg(viewMs / rawMs, 0, 'f', 3)
                << QStringLiteral("    every tab, every LN  %1 ms  %2x raw\n").arg(tabsMs, 8, 'f', 1)
                       .arg(tabsMs / rawMs, 0, 'f', 3);
        }
        if (const QString source = app.arguments().value(1); ied && source != file)
            timeImport(window, source, rawMs, out);
        window.slotClose();
        out.flush();
    }
    return 0;
}
