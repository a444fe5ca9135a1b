#include "runtime_io/text_file.h"

#include "application/errors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void throwInOutError(const QString &path, int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        throw EInOutError(QStringLiteral("File access denied"), 5);
    case ENOSPC:
    case EDQUOT:
        throw EInOutError(QStringLiteral("Disk full"), 112);
    case ENOENT:
        if (QFileInfo(QFileInfo(path).absolutePath()).isDir())
            throw EInOutError(QStringLiteral("File not found"), 2);
        throw EInOutError(QStringLiteral("Path not found"), 3);
    case ENOTDIR:
        throw EInOutError(QStringLiteral("Path not found"), 3);
    default:
        throw EInOutError(QStringLiteral("I/O error %1").arg(error), error);
    }
}

bool writeAll(int fd, const QByteArray &bytes) {
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

void writeTextFile(const QString &path, const QByteArray &bytes) {
    const QByteArray nativePath = QFile::encodeName(path);
    int fd = -1;
    do {
        fd = ::open(nativePath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throwInOutError(path, errno);

    if (!writeAll(fd, bytes)) {
        const int error = errno;
        ::close(fd);
        throwInOutError(path, error);
    }
    // Linux releases the descriptor even when close reports EINTR, so it is never retried.
    if (::close(fd) != 0 && errno != EINTR)
        throwInOutError(path, errno);
}
