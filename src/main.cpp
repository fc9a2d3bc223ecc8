#include "guiresources.h"
#include "dlgsetting.h"
#include "kestrel.h"
#include "xmlschema.h"

#include <QApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QLabel>
#include <QMovie>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QTextCodec>
#include <QTranslator>

namespace {

QPointer<Kestrel> mainWindow;

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (mainWindow)
        mainWindow->messageOutput(type, context, text);
}

// Shows the animated splash for three seconds, keeping the event loop turning.
void gifSplashWindow()
{
    const QString resource = QStringLiteral(":/Kestrel/gifSplash");
    const QPixmap picture(resource);
    QMovie movie(resource);
    QLabel label;
    label.resize(picture.width(), picture.height());
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    label.move(desktop.x() + (desktop.width() - label.width()) / 2,
               desktop.y() + (desktop.height() - label.height()) / 2);
    label.setMovie(&movie);
    label.setScaledContents(true);
    label.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    movie.start();
    label.show();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    label.close();
    qDebug().noquote() << QCoreApplication::translate("main", "SCL Schema file load succeed.");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrel"));
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("System"));
    initGuiResources();

    QSettings settings;
    const int language = settings.value(QLatin1String(DlgSetting::LanguageKey), 0).toInt();
    QTranslator translator;
    translator.load(DlgSetting::catalogue(language)); // a missing catalogue leaves the English texts
    settings.setValue(QLatin1String(DlgSetting::LanguageKey), language);
    QCoreApplication::installTranslator(&translator);

    // Read before the handler is installed: the schema's notes stay out of the log.
    XmlSchema::instance()->load();

    Kestrel window;
    mainWindow = &window;
    qInstallMessageHandler(messageHandler);
    gifSplashWindow();
    window.setTranslator(&translator, language);
    window.showMaximized();
    const int result = app.exec();
    qInstallMessageHandler(nullptr);
    return result;
}
