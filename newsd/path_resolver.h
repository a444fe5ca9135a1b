#pragma once
// Maps a request path onto a file below the served folder, refusing anything that leaves it.
#include <QByteArray>
#include <QString>

struct ResolvedPath {
    enum class Outcome { File, AddSlash, Forbidden, NotFound };
    Outcome outcome = Outcome::NotFound;
    QString filePath; // canonical, for File
};

// path is the raw (still percent-encoded) path of the request target, without query.
ResolvedPath resolveRequestPath(const QString &rootFolder, const QByteArray &path);
