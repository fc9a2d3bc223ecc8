// libFuzzer target: whatever the reader accepts must survive both checks and
// save to a file that loads again and saves to the same bytes.

#include "scldocument.h"
#include "xmlcheck.h"
#include "xmlschema.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Printing every log line would cost most of each run; the last error is
// kept to explain a finding.
QString lastError;

void keepLastError(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg)
        lastError = text;
}

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "fuzz_reader: %s (last error: %s)\n", qPrintable(what), qPrintable(lastError));
    std::abort();
}

QString workFile(const char *name)
{
    static const QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary directory"));
    return dir.filePath(QLatin1String(name));
}

QByteArray saveAndRead(SclDocument &document, const QString &fileName)
{
    QFile file(fileName);
    if (!document.save(fileName) || !file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("a loaded document was not saved"));
    return file.readAll();
}


} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(keepLastError);
    // Read once up front, so that the schema is not taken for the first input's leak.
    XmlSchema::instance()->load();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = workFile("input.scd"), first = workFile("first.scd"), second = workFile("second.scd");
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        fail(QStringLiteral("the input was not written to %1").arg(input));
    file.close();

    QByteArray saved;
    {
        SclDocument document;
        if (!document.load(input))
            return 0;
        // What opening the file, pressing both check buttons, then Undo and Redo does.
        XmlCheck *check = XmlCheck::instance();
        check->semanticValidate(document.roots());
        check->checkTemplate(document);
        document.history().undo(document);
        document.history().redo(document);
        saved = saveAndRead(document, first);
        check->clearLogicalNodes();
    }
    SclDocument again;
    if (!again.load(first))
        fail(QStringLiteral("the saved file does not load again"));
    const QByteArray resaved = saveAndRead(again, second);
    XmlCheck::instance()->clearLogicalNodes();
    if (saved != resaved) {
        int at = 0;
        while (at < saved.size() && at < resaved.size() && saved.at(at) == resaved.at(at))
            ++at;
        fail(QStringLiteral("the second save differs from the first at byte %1").arg(at));
    }
    return 0;
}
