#pragma once
// Reading the head of an HTTP/1.x request: the request line and the header fields.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <optional>

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

struct RequestHead {
    QByteArray method;
    QByteArray target;
    QByteArray version;
    HttpHeaders headers;
};

// Index just past the blank line that ends the head, or -1 while it has not arrived.
qsizetype requestHeadEnd(const QByteArray &buffer);

// nullopt when the bytes are not a well-formed HTTP/1.0 or HTTP/1.1 request head.
std::optional<RequestHead> parseRequestHead(const QByteArray &head);

// The target without its query or fragment.
QByteArray targetPath(const QByteArray &target);
