// newsd: serves a folder over HTTP on one or more local ports and logs every request.
#include "newsd/news_server.h"
#include "newsd/quit_on_signal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

void printLine(std::FILE *stream, const QString &line) {
    std::fputs(line.toUtf8().append('\n').constData(), stream);
    std::fflush(stream);
}

int fail(const QString &message) {
    printLine(stderr, QStringLiteral("newsd: %1").arg(message));
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("newsd"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Serves a folder of news pages over HTTP."));
    parser.addHelpOption();
    const QCommandLineOption rootOption(QStringLiteral("root"), QStringLiteral("Folder to serve."),
                                        QStringLiteral("FOLDER"));
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Port to listen on; repeat for several, 0 for any free."),
        QStringLiteral("N"));
    const QCommandLineOption bindOption(QStringLiteral("bind"), QStringLiteral("Address to listen on."),
                                        QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    parser.addOptions({rootOption, portOption, bindOption});
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        printLine(stdout, parser.helpText());
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    const QString root = parser.value(rootOption);
    if (root.isEmpty())
        return fail(QStringLiteral("--root FOLDER is required"));
    if (!QFileInfo(root).isDir())
        return fail(QStringLiteral("\"%1\" is not a folder").arg(root));

    const QStringList portTexts = parser.values(portOption);
    if (portTexts.isEmpty())
        return fail(QStringLiteral("at least one --port N is required"));
    QList<quint16> ports;
    for (const QString &text : portTexts) {
        bool ok = false;
        const uint port = text.toUInt(&ok);
        if (!ok || port > 65535)
            return fail(QStringLiteral("\"%1\" is not a port number").arg(text));
        ports.append(static_cast<quint16>(port));
    }

    const QHostAddress address(parser.value(bindOption));
    if (address.isNull())
        return fail(QStringLiteral("\"%1\" is not an IP address").arg(parser.value(bindOption)));

    NewsServer server;
    server.setRoot(root);
    QObject::connect(&server, &NewsServer::logged, [](const QString &line) { printLine(stdout, line); });
    for (quint16 port : std::as_const(ports)) {
        const bool ok = port == 0 ? server.listenAny(address) != 0 : server.listen(port, address);
        if (!ok) {
            printLine(stderr, QStringLiteral("newsd: cannot listen on %1 port %2: %3")
                                  .arg(address.toString())
                                  .arg(port)
                                  .arg(server.errorString()));
            return 1;
        }
    }
    for (quint16 port : server.ports())
        printLine(stderr, QStringLiteral("newsd: serving %1 at %2")
                              .arg(QFileInfo(root).absoluteFilePath(), server.baseUrl(port)));
    if (!quitOnTerminationSignals())
        printLine(stderr, QStringLiteral("newsd: signals will end the process without cleanup"));
    return app.exec();
}
