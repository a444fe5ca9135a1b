#include "newsd/mime_types.h"

#include <QFileInfo>

QByteArray mimeTypeForFile(const QString &fileName) {
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == u"htm" || ext == u"html")
        return "text/html"; // pages declare their own charset
    if (ext == u"css")
        return "text/css";
    if (ext == u"js")
        return "text/javascript";
    if (ext == u"png")
        return "image/png";
    if (ext == u"jpg" || ext == u"jpeg")
        return "image/jpeg";
    if (ext == u"gif")
        return "image/gif";
    if (ext == u"svg")
        return "image/svg+xml";
    if (ext == u"ico")
        return "image/x-icon";
    if (ext == u"txt")
        return "text/plain";
    if (ext == u"pdf")
        return "application/pdf";
    if (ext == u"json")
        return "application/json";
    if (ext == u"mht")
        return "multipart/related";
    return "application/octet-stream";
}
