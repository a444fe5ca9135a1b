#include "ini_store/profile_text.h"

#include "code_page/code_page.h"

#include <QList>

#include <algorithm>

// A UTF-8 byte-order mark gets no special treatment: as the Windows profile functions do, we take
// it as the start of the first line, so a "[section]" right after it is no header. Reading and
// writing agree on this: a write to that section adds a new one at the end.

namespace {

const QByteArray NewLineEnd = QByteArrayLiteral("\r\n");

struct Line {
    QByteArray text;
    QByteArray end; // "\r\n", "\r" or "\n"; empty only on a last line without an end
};

enum class LineKind { Blank, Comment, Header, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArray name; // of the section or the key
    QByteArray value;
};

struct SectionMatch {
    qsizetype header = -1;    // the first block of the section
    qsizetype key = -1;       // the key's first line in that block
    qsizetype lastEntry = -1; // the block's last line that is neither blank nor a comment
    ParsedLine keyLine;
};

QList<Line> splitLines(const QByteArray &file) {
    QList<Line> lines;
    const qsizetype size = file.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype stop = start;
        while (stop < size && file[stop] != '\r' && file[stop] != '\n')
            ++stop;
        qsizetype next = stop;
        if (next < size)
            next += file[next] == '\r' && next + 1 < size && file[next + 1] == '\n' ? 2 : 1;
        lines.append({file.mid(start, stop - start), file.mid(stop, next - stop)});
        start = next;
    }
    return lines;
}

QByteArray joinLines(const QList<Line> &lines) {
    QByteArray file;
    for (const Line &line : lines)
        file += line.text + line.end;
    return file;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray trimmed(const QByteArray &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

ParsedLine parseLine(const QByteArray &text) {
    const QByteArray line = trimmed(text);
    if (line.isEmpty())
        return {LineKind::Blank, {}, {}};
    if (line.startsWith(';'))
        return {LineKind::Comment, {}, {}};
    if (line.startsWith('[')) {
        const qsizetype close = line.indexOf(']');
        if (close > 0)
            return {LineKind::Header, trimmed(line.mid(1, close - 1)), {}};
    }
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return {LineKind::Other, {}, {}};
    return {LineKind::Key, trimmed(line.left(equals)), trimmed(line.mid(equals + 1))};
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool isAscii(const QByteArray &text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) < 0x80; });
}

bool sameName(const QByteArray &a, const QByteArray &b) {
    if (std::equal(a.begin(), a.end(), b.begin(), b.end(),
                   [](char x, char y) { return asciiLower(x) == asciiLower(y); }))
        return true;
    if (isAscii(a) && isAscii(b))
        return false;
    // Beyond ASCII the names compare as text, but only when both are valid in the code page:
    // undecodable bytes would all turn into the same replacement character.
    const QString wideA = widenFromCodePage(a);
    const QString wideB = widenFromCodePage(b);
    return narrowToCodePage(wideA) == a && narrowToCodePage(wideB) == b &&
           wideA.compare(wideB, Qt::CaseInsensitive) == 0;
}

SectionMatch matchSection(const QList<Line> &lines, const QByteArray &section, const QByteArray &key) {
    SectionMatch match;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedLine line = parseLine(lines[i].text);
        if (match.header < 0) {
            if (line.kind == LineKind::Header && sameName(line.name, section))
                match.header = match.lastEntry = i;
            continue;
        }
        if (line.kind == LineKind::Header)
            break;
        if (line.kind == LineKind::Key || line.kind == LineKind::Other)
            match.lastEntry = i;
        if (line.kind == LineKind::Key && match.key < 0 && sameName(line.name, key)) {
            match.key = i;
            match.keyLine = line;
        }
    }
    return match;
}

QByteArray unquoted(const QByteArray &value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<QByteArray> findProfileValue(const QByteArray &file, const QByteArray &section,
                                           const QByteArray &key) {
    const SectionMatch match = matchSection(splitLines(file), trimmed(section), trimmed(key));
    if (match.key < 0)
        return std::nullopt;
    return unquoted(match.keyLine.value);
}

QByteArray setProfileValue(const QByteArray &file, const QByteArray &section, const QByteArray &key,
                           const QByteArray &value) {
    const QByteArray sectionName = trimmed(section);
    const QByteArray keyName = trimmed(key);
    QList<Line> lines = splitLines(file);
    if (!lines.isEmpty() && lines.last().end.isEmpty())
        lines.last().end = NewLineEnd;

    const SectionMatch match = matchSection(lines, sectionName, keyName);
    if (match.key >= 0) {
        lines[match.key].text = match.keyLine.name + '=' + value;
    } else if (match.header >= 0) {
        lines.insert(match.lastEntry + 1, {keyName + '=' + value, NewLineEnd});
    } else {
        lines.append({'[' + sectionName + ']', NewLineEnd});
        lines.append({keyName + '=' + value, NewLineEnd});
    }
    return joinLines(lines);
}
