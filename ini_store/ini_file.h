#pragma once
// The settings file, read and written like a Windows private-profile file: every call goes to the
// file itself, names and values are bytes in the system code page.
#include "ini_store/str_to_int.h"

#include <QByteArray>
#include <QString>

class TIniFile {
public:
    explicit TIniFile(QString fileName);

    const QString &fileName() const { return m_fileName; }

    // At most 2047 bytes come back, as from the Windows function's 2048-byte buffer.
    QByteArray ReadString(const QByteArray &section, const QByteArray &ident,
                          const QByteArray &defaultValue) const;
    int ReadInteger(const QByteArray &section, const QByteArray &ident, int defaultValue) const;

    // Rewrites the file through a new file renamed over it; throws EIniFileException when it cannot.
    void WriteString(const QByteArray &section, const QByteArray &ident, const QByteArray &value);
    void WriteInteger(const QByteArray &section, const QByteArray &ident, int value);

private:
    QString m_fileName;
    QString m_fullPath;
};
