#pragma once
// A small static HTTP/1.1 server that also records requests and plays scripted answers.
// It runs in the caller's event loop and never blocks.
#include "newsd/request_head.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

class HttpConnection;
class QTcpServer;

class NewsServer : public QObject {
    Q_OBJECT
public:
    using Headers = HttpHeaders;

    struct Request {
        QByteArray method;
        QByteArray target; // as sent, query included
        quint16 port = 0;  // the port it came in on
        Headers headers;
        // The first header of that name (case-insensitive), or empty.
        QByteArray header(QByteArrayView name) const;
    };

    // A scripted answer for one path; it takes precedence over files.
    struct Route {
        enum class Kind { Fixed, Hang, Garbage, Redirect, CloseImmediately };
        Kind kind = Kind::Fixed;
        int status = 200;
        QByteArray contentType;
        QByteArray body;
        Headers headers; // extra headers; they replace defaults of the same name

        static Route fixed(int status, const QByteArray &contentType, const QByteArray &body,
                           const Headers &headers = {});
        static Route hang();                               // accept, read the request, never answer
        static Route garbage();                            // send bytes that are not HTTP, then close
        static Route redirect(const QByteArray &location); // 302 Found
        static Route closeImmediately();                   // close without a byte of answer
    };

    explicit NewsServer(QObject *parent = nullptr);
    ~NewsServer() override;

    // May be called several times to listen on several ports.
    bool listen(quint16 port, const QHostAddress &address = QHostAddress::LocalHost);
    // Listens on a free port and returns it, or 0 on failure.
    quint16 listenAny(const QHostAddress &address = QHostAddress::LocalHost);
    QList<quint16> ports() const;
    QString errorString() const;
    // "http://127.0.0.1:<port>/"; the first port when none is given.
    QString baseUrl(quint16 port = 0) const;
    // Stops listening and drops every open connection.
    void close();

    void setRoot(const QString &folder);
    QString root() const;

    // path is the request path without query, e.g. "/news.htm".
    void setRoute(const QByteArray &path, const Route &route);
    void removeRoute(const QByteArray &path);
    void clearRoutes();
    // Holds back the answer for path by ms milliseconds; 0 removes the delay.
    void setDelay(const QByteArray &path, int ms);

    QList<Request> requests() const;
    void clearRequests();

signals:
    void requestReceived(const NewsServer::Request &request);
    // One line per answered request: port, method, target, status, body bytes.
    void logged(const QString &line);

private:
    struct Listener {
        QTcpServer *server = nullptr;
        QHostAddress address;
    };

    void acceptConnections(QTcpServer *server);
    void handleHead(HttpConnection *connection, const QByteArray &head);
    void answer(HttpConnection *connection, const Request &request);
    void answerRoute(HttpConnection *connection, const Request &request, const Route &route);
    void answerFile(HttpConnection *connection, const Request &request);
    void respond(HttpConnection *connection, const Request &request, int status, const Headers &headers,
                 const QByteArray &body);
    void log(quint16 port, const QByteArray &method, const QByteArray &target, const QByteArray &status,
             qint64 bytes);

    QList<Listener> m_listeners;
    QString m_errorString;
    QString m_root;
    QHash<QByteArray, Route> m_routes;
    QHash<QByteArray, int> m_delays;
    QList<Request> m_requests;
};

Q_DECLARE_METATYPE(NewsServer::Request)
Q_DECLARE_METATYPE(NewsServer::Route)
