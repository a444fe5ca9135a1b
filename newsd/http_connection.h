#pragma once
// One accepted socket: reads one request head, writes one answer, then closes.
#include "newsd/request_head.h"

#include <QObject>
#include <memory>

class QFile;
class QTcpSocket;

class HttpConnection : public QObject {
    Q_OBJECT
public:
    // Takes ownership of the socket; deletes itself once the socket has closed.
    HttpConnection(QTcpSocket *socket, quint16 localPort, QObject *parent);
    ~HttpConnection() override;

    quint16 localPort() const { return m_localPort; }

    // The head is written as given, after the status line; headOnly leaves the body out.
    void sendResponse(int status, const HttpHeaders &headers, const QByteArray &body, bool headOnly);
    // Streams the file after the head, a chunk at a time as the socket drains.
    void sendFile(const HttpHeaders &headers, std::unique_ptr<QFile> file, bool headOnly);
    void sendRawAndClose(const QByteArray &bytes);
    void closeNow();

    static constexpr qsizetype MaxHeadSize = 64 * 1024;

signals:
    void headReceived(const QByteArray &head);
    void headTooLarge();

private:
    void readHead();
    void pumpFile();
    void finish();

    QTcpSocket *m_socket = nullptr;
    quint16 m_localPort = 0;
    QByteArray m_buffer;
    bool m_headDone = false;
    std::unique_ptr<QFile> m_file;
};
