#include "ini_store/ini_file.h"

#include "application/errors.h"
#include "ini_store/profile_text.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

constexpr qsizetype ReadBufferSize = 2048;

bool isContinuationByte(char c) {
    return (uchar(c) & 0xC0) == 0x80;
}

qsizetype utf8SequenceLength(char lead) {
    const uchar c = uchar(lead);
    if (c >= 0xF0 && c < 0xF8)
        return 4;
    if (c >= 0xE0)
        return 3;
    if (c >= 0xC0)
        return 2;
    return 1;
}

// What fits the read buffer next to its terminating NUL; a UTF-8 character that would be split
// is left out whole.
QByteArray fitToReadBuffer(QByteArray text) {
    qsizetype cut = ReadBufferSize - 1;
    if (text.size() <= cut)
        return text;
    if (isContinuationByte(text[cut])) {
        for (qsizetype lead = cut - 1; lead >= 0 && lead >= cut - 3; --lead) {
            if (!isContinuationByte(text[lead])) {
                if (utf8SequenceLength(text[lead]) > cut - lead)
                    cut = lead;
                break;
            }
        }
    }
    text.truncate(cut);
    return text;
}

std::optional<QByteArray> readWholeFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

TIniFile::TIniFile(QString fileName)
    : m_fileName(std::move(fileName)), m_fullPath(QFileInfo(m_fileName).absoluteFilePath()) {}

QByteArray TIniFile::ReadString(const QByteArray &section, const QByteArray &ident,
                                const QByteArray &defaultValue) const {
    std::optional<QByteArray> value;
    if (const std::optional<QByteArray> file = readWholeFile(m_fullPath))
        value = findProfileValue(*file, section, ident);
    if (!value) {
        // The Windows function drops trailing spaces from the default.
        value = defaultValue;
        while (value->endsWith(' '))
            value->chop(1);
    }
    return fitToReadBuffer(*value);
}

int TIniFile::ReadInteger(const QByteArray &section, const QByteArray &ident, int defaultValue) const {
    QByteArray text = ReadString(section, ident, QByteArray());
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = '$' + text.mid(2);
    return StrToIntDef(text, defaultValue);
}

void TIniFile::WriteString(const QByteArray &section, const QByteArray &ident, const QByteArray &value) {
    const auto writeError = [this] {
        return EIniFileException(QStringLiteral("Unable to write to ") + m_fullPath);
    };

    QByteArray current;
    if (QFileInfo::exists(m_fullPath)) {
        // A file we cannot read must not be replaced by one holding only the new entry.
        const std::optional<QByteArray> file = readWholeFile(m_fullPath);
        if (!file)
            throw writeError();
        current = *file;
    }
    const QByteArray updated = setProfileValue(current, section, ident, value);

    // QSaveFile writes a new file beside the old one and renames it over it; on failure the new
    // file is dropped and the old one stays as it was.
    QSaveFile file(m_fullPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(updated) != updated.size() || !file.commit())
        throw writeError();
}

void TIniFile::WriteInteger(const QByteArray &section, const QByteArray &ident, int value) {
    WriteString(section, ident, QByteArray::number(value));
}
