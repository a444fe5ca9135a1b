#include "newsd/http_connection.h"

#include <QFile>
#include <QTcpSocket>

namespace {

constexpr qint64 ChunkSize = 64 * 1024;
constexpr qint64 HighWater = 256 * 1024;

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 303:
        return "See Other";
    case 304:
        return "Not Modified";
    case 307:
        return "Temporary Redirect";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    case 504:
        return "Gateway Timeout";
    default:
        return "Status";
    }
}

QByteArray responseHead(int status, const HttpHeaders &headers) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    for (const auto &[name, value] : headers)
        head += name + ": " + value + "\r\n";
    head += "\r\n";
    return head;
}

} // namespace

HttpConnection::HttpConnection(QTcpSocket *socket, quint16 localPort, QObject *parent)
    : QObject(parent), m_socket(socket), m_localPort(localPort) {
    m_socket->setParent(this);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::readHead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &HttpConnection::pumpFile);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    // Data may have arrived before the signals were connected.
    if (m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &HttpConnection::readHead, Qt::QueuedConnection);
}

HttpConnection::~HttpConnection() = default;

void HttpConnection::readHead() {
    const QByteArray data = m_socket->readAll();
    if (m_headDone)
        return; // one request per connection; the rest is dropped
    m_buffer += data;
    const qsizetype end = requestHeadEnd(m_buffer);
    if (end < 0 && m_buffer.size() <= MaxHeadSize)
        return;
    m_headDone = true;
    if (end < 0 || end > MaxHeadSize) {
        m_buffer.clear();
        emit headTooLarge();
        return;
    }
    const QByteArray head = m_buffer.left(end);
    m_buffer.clear();
    emit headReceived(head);
}

void HttpConnection::sendResponse(int status, const HttpHeaders &headers, const QByteArray &body,
                                  bool headOnly) {
    m_socket->write(responseHead(status, headers));
    if (!headOnly)
        m_socket->write(body);
    finish();
}

void HttpConnection::sendFile(const HttpHeaders &headers, std::unique_ptr<QFile> file, bool headOnly) {
    m_socket->write(responseHead(200, headers));
    if (headOnly) {
        finish();
        return;
    }
    m_file = std::move(file);
    pumpFile();
}

void HttpConnection::pumpFile() {
    while (m_file && m_socket->bytesToWrite() < HighWater) {
        if (m_socket->state() != QAbstractSocket::ConnectedState) {
            m_file.reset();
            return;
        }
        const QByteArray chunk = m_file->read(ChunkSize);
        if (chunk.isEmpty()) {
            m_file.reset();
            finish();
            return;
        }
        m_socket->write(chunk);
    }
}

void HttpConnection::sendRawAndClose(const QByteArray &bytes) {
    m_socket->write(bytes);
    finish();
}

void HttpConnection::closeNow() {
    finish();
}

void HttpConnection::finish() {
    // Closes once the pending bytes are out; "disconnected" then deletes this connection.
    m_socket->disconnectFromHost();
}
