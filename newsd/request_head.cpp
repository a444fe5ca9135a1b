#include "newsd/request_head.h"

#include <algorithm>

namespace {

bool isTokenChar(char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text) {
    if (text.isEmpty())
        return false;
    for (char c : text)
        if (!isTokenChar(c))
            return false;
    return true;
}

bool isValidTarget(QByteArrayView target) {
    if (!target.startsWith('/'))
        return false;
    for (char c : target) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u == 0x7f)
            return false;
    }
    return true;
}

bool hasControlChars(QByteArrayView value) {
    for (char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7f)
            return true;
    }
    return false;
}

} // namespace

qsizetype requestHeadEnd(const QByteArray &buffer) {
    // Bare LF line ends are taken too, as lenient servers do.
    const qsizetype crlf = buffer.indexOf("\r\n\r\n");
    const qsizetype lf = buffer.indexOf("\n\n");
    const qsizetype crlfEnd = crlf < 0 ? -1 : crlf + 4;
    const qsizetype lfEnd = lf < 0 ? -1 : lf + 2;
    if (crlfEnd < 0 || lfEnd < 0)
        return std::max(crlfEnd, lfEnd);
    return std::min(crlfEnd, lfEnd);
}

std::optional<RequestHead> parseRequestHead(const QByteArray &head) {
    QList<QByteArray> lines = head.split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    // Empty lines before the request line are allowed.
    qsizetype i = 0;
    while (i < lines.size() && lines[i].isEmpty())
        ++i;
    if (i == lines.size())
        return std::nullopt;

    const QList<QByteArray> parts = lines[i].split(' ');
    if (parts.size() != 3 || !isToken(parts[0]) || !isValidTarget(parts[1]))
        return std::nullopt;
    if (parts[2] != "HTTP/1.1" && parts[2] != "HTTP/1.0")
        return std::nullopt;

    RequestHead result{parts[0], parts[1], parts[2], {}};
    for (++i; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (line.isEmpty())
            break;
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(QByteArrayView(line).first(colon)))
            return std::nullopt;
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (hasControlChars(value))
            return std::nullopt;
        result.headers.append({line.left(colon), value});
    }
    return result;
}

QByteArray targetPath(const QByteArray &target) {
    qsizetype end = target.size();
    for (char stop : {'?', '#'}) {
        const qsizetype at = target.indexOf(stop);
        if (at >= 0 && at < end)
            end = at;
    }
    return target.left(end);
}
