// Times the document core on SCL files against a raw QXmlStreamReader token
// pass over the same file in the same run, and measures the peak memory of a load.
//
//   kestrel-bench FILE...

#include "benchtiming.h"
#include "coreresources.h"
#include "schemavalidator.h"
#include "scldocument.h"
#include "xmlcheck.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

QTextStream out(stdout);

double timeMs(const std::function<void()> &work, const std::function<void()> &cleanup = {})
{
    return bestOfMs(5, work, cleanup);
}



qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void report(const char *what, double ms, double rawMs)
{
    out << QStringLiteral("  %1 %2 ms  %3x raw\n").arg(QLatin1String(what), -34)
           .arg(ms, 8, 'f', 1).arg(ms / rawMs, 5, 'f', 2);
}

void benchFile(const QString &fileName, const QString &scratch)
{
    const double size = QFileInfo(fileName).size();
    out << fileName << QStringLiteral(" (%1 MB)\n").arg(size / 1e6, 0, 'f', 1);

    const double rawMs = timeMs([&] { rawPass(fileName); });
    out << QStringLiteral("  %1 %2 ms\n").arg(QLatin1String("raw QXmlStreamReader pass"), -34).arg(rawMs, 8, 'f', 1);

    // Peak memory of one load, above what the process held before it.
    const qint64 before = statusKb("VmRSS:");
    resetPeakMemory();
    QList<XmlObject *> roots = XmlReader::load(fileName);
    const qint64 peak = statusKb("VmHWM:");
    if (roots.isEmpty())
        qFatal("cannot load %s", qPrintable(fileName));
    const int elements = XmlReader::countElements(roots);

    QList<XmlObject *> another;
    const double loadMs = timeMs([&] { another = XmlReader::load(fileName); },
                                 [&] { qDeleteAll(another); });
    report("load", loadMs, rawMs);
    const QString saved = scratch + QStringLiteral("/saved.scd");
    const double saveMs = timeMs([&] {
        if (!XmlReader::save(saved, roots))
            qFatal("save failed");
    });
    report("save", saveMs, rawMs);
    report("load + save", loadMs + saveMs, rawMs);
    report("countElements", timeMs([&] { XmlReader::countElements(roots); }), rawMs);

    XmlSchema *schema = XmlSchema::instance();
    XmlObject *templates = roots.first()->findChild(QStringLiteral("DataTypeTemplates"));
    const double typesMs = timeMs([&] {
        schema->clearDataTemplates();
        schema->setDataTemplates(templates);
    });
    report("setDataTemplates", typesMs, rawMs);
    schema->clearDataTemplates();

    // The checks log every heading and finding: keep them off the terminal.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    XmlCheck *check = XmlCheck::instance();
    const double semanticMs = timeMs([&] { check->semanticValidate(roots); });
    const double schemaMs = timeMs([&] { SchemaValidator::validate(roots); });
    SclDocument document;
    document.reset(roots);
    const double templateMs = timeMs([&] { check->checkTemplate(document); });
    qInstallMessageHandler(previous);
    out << QStringLiteral("  %1 %2 ms  %3x load\n").arg(QLatin1String("semantic check"), -34)
           .arg(semanticMs, 8, 'f', 1).arg(semanticMs / loadMs, 5, 'f', 2);
    out << QStringLiteral("  %1 %2 ms  %3x load\n").arg(QLatin1String("schema check"), -34)
           .arg(schemaMs, 8, 'f', 1).arg(schemaMs / loadMs, 5, 'f', 2);
    out << QStringLiteral("  %1 %2 ms  %3x load\n").arg(QLatin1String("template check"), -34)
           .arg(templateMs, 8, 'f', 1).arg(templateMs / loadMs, 5, 'f', 2);

    out << QStringLiteral("  %1 %2 elements\n").arg(QLatin1String("document"), -34).arg(elements, 8);
    out << QStringLiteral("  %1 %2 MB  %3x file size (process peak %4x)\n")
           .arg(QLatin1String("peak memory of the load"), -34)
           .arg((peak - before) / 1024.0, 8, 'f', 1)
           .arg((peak - before) * 1024.0 / size, 0, 'f', 2)
           .arg(peak * 1024.0 / size, 0, 'f', 2);
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    initCoreResources();
    const QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        fprintf(stderr, "Usage: kestrel-bench FILE...\n");
        return 2;
    }
    XmlSchema::instance()->load();
    QTemporaryDir scratch;
    for (const QString &file : files)
        benchFile(file, scratch.path());
    return 0;
}
