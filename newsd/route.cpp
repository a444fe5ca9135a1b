#include "newsd/news_server.h"

NewsServer::Route NewsServer::Route::fixed(int status, const QByteArray &contentType, const QByteArray &body,
                                           const Headers &headers) {
    return {Kind::Fixed, status, contentType, body, headers};
}

NewsServer::Route NewsServer::Route::hang() {
    return {Kind::Hang, 0, {}, {}, {}};
}

NewsServer::Route NewsServer::Route::garbage() {
    return {Kind::Garbage, 0, {}, {}, {}};
}

NewsServer::Route NewsServer::Route::redirect(const QByteArray &location) {
    return {Kind::Redirect, 302, "text/html", {}, {{"Location", location}}};
}

NewsServer::Route NewsServer::Route::closeImmediately() {
    return {Kind::CloseImmediately, 0, {}, {}, {}};
}
