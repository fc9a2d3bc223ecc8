// Times opening an SCL file in the editor window (parse, trees, type indexes
// and links) against the reader's load alone, on the offscreen platform.
//
//   kestrel-openbench FILE...

#include "benchtiming.h"
#include "guiresources.h"
#include "kestrel.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace {

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
        out << file << QStringLiteral(" (%1 MB)\n").arg(QFileInfo(file).size() / 1e6, 0, 'f', 1)
            << QStringLiteral("  reader load            %1 ms\n").arg(loadMs, 8, 'f', 1)
            << QStringLiteral("  open in the window     %1 ms  %2x the load\n").arg(openMs, 8, 'f', 1)
                   .arg(openMs / loadMs, 0, 'f', 2);
        out.flush();
    }
    return 0;
}
