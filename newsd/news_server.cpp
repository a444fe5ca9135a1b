#include "newsd/news_server.h"

#include "newsd/http_connection.h"
#include "newsd/mime_types.h"
#include "newsd/path_resolver.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray normalizedRoutePath(const QByteArray &path) {
    return path.startsWith('/') ? path : '/' + path;
}

// Extra headers replace defaults of the same name.
NewsServer::Headers mergedHeaders(NewsServer::Headers headers, const NewsServer::Headers &extra) {
    for (const auto &[name, value] : extra) {
        bool replaced = false;
        for (auto &header : headers) {
            if (header.first.compare(name, Qt::CaseInsensitive) == 0) {
                header.second = value;
                replaced = true;
            }
        }
        if (!replaced)
            headers.append({name, value});
    }
    return headers;
}

NewsServer::Headers baseHeaders(const QByteArray &contentType, qint64 length) {
    NewsServer::Headers headers;
    if (!contentType.isEmpty())
        headers.append({"Content-Type", contentType});
    headers.append({"Content-Length", QByteArray::number(length)});
    headers.append({QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache")});
    headers.append({QByteArrayLiteral("Connection"), QByteArrayLiteral("close")});
    return headers;
}

QByteArray errorBody(int status, const QByteArray &text) {
    return "<html><head><title>" + QByteArray::number(status) + ' ' + text + "</title></head><body><h1>" +
           QByteArray::number(status) + ' ' + text + "</h1></body></html>\n";
}

constexpr char GarbageRaw[] = "\x16\x03\x01 not http at all \xff\xfe\x00\x01\r\n\r\n";
const QByteArray GarbageBytes(GarbageRaw, sizeof GarbageRaw - 1);

} // namespace

QByteArray NewsServer::Request::header(QByteArrayView name) const {
    for (const auto &[key, value] : headers)
        if (QByteArrayView(key).compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

NewsServer::NewsServer(QObject *parent) : QObject(parent) {}

NewsServer::~NewsServer() {
    close();
}

bool NewsServer::listen(quint16 port, const QHostAddress &address) {
    auto *server = new QTcpServer(this);
    if (!server->listen(address, port)) {
        m_errorString = server->errorString();
        delete server;
        return false;
    }
    connect(server, &QTcpServer::newConnection, this, [this, server] { acceptConnections(server); });
    m_listeners.append({server, address});
    return true;
}

quint16 NewsServer::listenAny(const QHostAddress &address) {
    if (!listen(0, address))
        return 0;
    return m_listeners.last().server->serverPort();
}

QList<quint16> NewsServer::ports() const {
    QList<quint16> result;
    for (const Listener &listener : m_listeners)
        result.append(listener.server->serverPort());
    return result;
}

QString NewsServer::errorString() const {
    return m_errorString;
}

QString NewsServer::baseUrl(quint16 port) const {
    QHostAddress host = QHostAddress::LocalHost;
    for (const Listener &listener : m_listeners) {
        if (port == 0 || listener.server->serverPort() == port) {
            port = listener.server->serverPort();
            const QHostAddress &address = listener.address;
            if (address != QHostAddress::Any && address != QHostAddress::AnyIPv4 &&
                address != QHostAddress::AnyIPv6)
                host = address;
            break;
        }
    }
    const QString hostText =
        host.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + host.toString() + u']' : host.toString();
    return QStringLiteral("http://%1:%2/").arg(hostText).arg(port);
}

void NewsServer::close() {
    for (const Listener &listener : std::as_const(m_listeners))
        delete listener.server;
    m_listeners.clear();
    qDeleteAll(findChildren<HttpConnection *>(Qt::FindDirectChildrenOnly));
}

void NewsServer::setRoot(const QString &folder) {
    m_root = folder;
}

QString NewsServer::root() const {
    return m_root;
}

void NewsServer::setRoute(const QByteArray &path, const Route &route) {
    m_routes.insert(normalizedRoutePath(path), route);
}

void NewsServer::removeRoute(const QByteArray &path) {
    m_routes.remove(normalizedRoutePath(path));
}

void NewsServer::clearRoutes() {
    m_routes.clear();
}

void NewsServer::setDelay(const QByteArray &path, int ms) {
    if (ms > 0)
        m_delays.insert(normalizedRoutePath(path), ms);
    else
        m_delays.remove(normalizedRoutePath(path));
}

QList<NewsServer::Request> NewsServer::requests() const {
    return m_requests;
}

void NewsServer::clearRequests() {
    m_requests.clear();
}

void NewsServer::acceptConnections(QTcpServer *server) {
    const quint16 port = server->serverPort();
    while (QTcpSocket *socket = server->nextPendingConnection()) {
        auto *connection = new HttpConnection(socket, port, this);
        connect(connection, &HttpConnection::headReceived, this,
                [this, connection](const QByteArray &head) { handleHead(connection, head); });
        connect(connection, &HttpConnection::headTooLarge, this, [this, connection] {
            const QByteArray body = errorBody(431, "Request Header Fields Too Large");
            connection->sendResponse(431, baseHeaders("text/html", body.size()), body, false);
            log(connection->localPort(), "-", "-", "431", body.size());
        });
    }
}

void NewsServer::handleHead(HttpConnection *connection, const QByteArray &head) {
    const std::optional<RequestHead> parsed = parseRequestHead(head);
    if (!parsed) {
        const QByteArray body = errorBody(400, "Bad Request");
        connection->sendResponse(400, baseHeaders("text/html", body.size()), body, false);
        log(connection->localPort(), "-", "-", "400", body.size());
        return;
    }
    const Request request{parsed->method, parsed->target, connection->localPort(), parsed->headers};
    m_requests.append(request);
    const QPointer<HttpConnection> alive(connection);
    emit requestReceived(request);
    if (!alive)
        return; // a listener closed the server

    const int delay = m_delays.value(targetPath(request.target), 0);
    if (delay > 0)
        QTimer::singleShot(delay, connection, [this, connection, request] { answer(connection, request); });
    else
        answer(connection, request);
}

void NewsServer::answer(HttpConnection *connection, const Request &request) {
    if (request.method != "GET" && request.method != "HEAD") {
        const QByteArray body = errorBody(405, "Method Not Allowed");
        Headers headers = baseHeaders("text/html", body.size());
        headers.append({QByteArrayLiteral("Allow"), QByteArrayLiteral("GET, HEAD")});
        respond(connection, request, 405, headers, body);
        return;
    }
    const auto route = m_routes.constFind(targetPath(request.target));
    if (route != m_routes.cend())
        answerRoute(connection, request, *route);
    else
        answerFile(connection, request);
}

void NewsServer::answerRoute(HttpConnection *connection, const Request &request, const Route &route) {
    switch (route.kind) {
    case Route::Kind::Fixed:
    case Route::Kind::Redirect: {
        const Headers headers =
            mergedHeaders(baseHeaders(route.contentType, route.body.size()), route.headers);
        respond(connection, request, route.status, headers, route.body);
        return;
    }
    case Route::Kind::Hang:
        log(request.port, request.method, request.target, "hang", 0);
        return;
    case Route::Kind::Garbage:
        connection->sendRawAndClose(GarbageBytes);
        log(request.port, request.method, request.target, "garbage", GarbageBytes.size());
        return;
    case Route::Kind::CloseImmediately:
        connection->closeNow();
        log(request.port, request.method, request.target, "closed", 0);
        return;
    }
}

void NewsServer::answerFile(HttpConnection *connection, const Request &request) {
    const QByteArray path = targetPath(request.target);
    const ResolvedPath resolved = m_root.isEmpty() ? ResolvedPath{} : resolveRequestPath(m_root, path);
    switch (resolved.outcome) {
    case ResolvedPath::Outcome::File: {
        auto file = std::make_unique<QFile>(resolved.filePath);
        if (!file->open(QIODevice::ReadOnly))
            break;
        const qint64 size = file->size();
        const Headers headers = baseHeaders(mimeTypeForFile(resolved.filePath), size);
        const bool headOnly = request.method == "HEAD";
        connection->sendFile(headers, std::move(file), headOnly);
        log(request.port, request.method, request.target, "200", headOnly ? 0 : size);
        return;
    }
    case ResolvedPath::Outcome::AddSlash: {
        const QByteArray query = request.target.mid(path.size());
        const QByteArray body = errorBody(301, "Moved Permanently");
        Headers headers = baseHeaders("text/html", body.size());
        headers.append({"Location", path + '/' + query});
        respond(connection, request, 301, headers, body);
        return;
    }
    case ResolvedPath::Outcome::NotFound: {
        const QByteArray body = errorBody(404, "Not Found");
        respond(connection, request, 404, baseHeaders("text/html", body.size()), body);
        return;
    }
    case ResolvedPath::Outcome::Forbidden:
        break;
    }
    const QByteArray body = errorBody(403, "Forbidden");
    respond(connection, request, 403, baseHeaders("text/html", body.size()), body);
}

void NewsServer::respond(HttpConnection *connection, const Request &request, int status,
                         const Headers &headers, const QByteArray &body) {
    const bool headOnly = request.method == "HEAD";
    connection->sendResponse(status, headers, body, headOnly);
    log(request.port, request.method, request.target, QByteArray::number(status), headOnly ? 0 : body.size());
}

void NewsServer::log(quint16 port, const QByteArray &method, const QByteArray &target,
                     const QByteArray &status, qint64 bytes) {
    emit logged(QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(port)
                    .arg(QString::fromUtf8(method), QString::fromUtf8(target), QString::fromUtf8(status))
                    .arg(bytes));
}
