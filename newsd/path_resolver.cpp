#include "newsd/path_resolver.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isInside(const QString &canonicalRoot, const QString &canonicalPath) {
    if (canonicalPath == canonicalRoot)
        return true;
    const QString prefix = canonicalRoot.endsWith(u'/') ? canonicalRoot : canonicalRoot + u'/';
    return canonicalPath.startsWith(prefix);
}

ResolvedPath checkedFile(const QString &canonicalRoot, const QFileInfo &info) {
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        return {ResolvedPath::Outcome::NotFound, {}};
    if (!isInside(canonicalRoot, canonical))
        return {ResolvedPath::Outcome::Forbidden, {}};
    const QFileInfo target(canonical);
    if (!target.isFile() || !target.isReadable())
        return {ResolvedPath::Outcome::Forbidden, {}};
    return {ResolvedPath::Outcome::File, canonical};
}

} // namespace

ResolvedPath resolveRequestPath(const QString &rootFolder, const QByteArray &path) {
    // Encoded separators and backslashes never name a file here; they only smuggle "..".
    const QByteArray lower = path.toLower();
    if (path.contains('\\') || lower.contains("%2f") || lower.contains("%5c") || lower.contains("%00"))
        return {ResolvedPath::Outcome::Forbidden, {}};

    const QByteArray decoded = QByteArray::fromPercentEncoding(path);
    if (decoded.contains('\\') || decoded.contains('\0'))
        return {ResolvedPath::Outcome::Forbidden, {}};

    QStringList segments;
    for (const QByteArray &segment : decoded.split('/')) {
        if (segment == "..")
            return {ResolvedPath::Outcome::Forbidden, {}};
        if (!segment.isEmpty() && segment != ".")
            segments.append(QString::fromUtf8(segment));
    }

    const QString canonicalRoot = QFileInfo(rootFolder).canonicalFilePath();
    if (canonicalRoot.isEmpty())
        return {ResolvedPath::Outcome::NotFound, {}};

    const QFileInfo info(canonicalRoot + u'/' + segments.join(u'/'));
    if (!info.exists())
        return {ResolvedPath::Outcome::NotFound, {}};
    if (!info.isDir())
        return checkedFile(canonicalRoot, info);

    const QString canonicalDir = info.canonicalFilePath();
    if (!isInside(canonicalRoot, canonicalDir))
        return {ResolvedPath::Outcome::Forbidden, {}};
    // Relative links in an index page need the trailing slash.
    if (!decoded.endsWith('/'))
        return {ResolvedPath::Outcome::AddSlash, {}};
    for (const char *index : {"index.htm", "index.html"}) {
        const QFileInfo indexInfo(QDir(canonicalDir).filePath(QString::fromLatin1(index)));
        if (indexInfo.exists())
            return checkedFile(canonicalRoot, indexInfo);
    }
    return {ResolvedPath::Outcome::NotFound, {}};
}
