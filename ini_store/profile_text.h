#pragma once
// The bytes of a private-profile file: looking a value up and setting one, the way the Windows
// profile functions read and rewrite such a file. Section and key names match without regard to case.
#include <QByteArray>
#include <optional>

// The value of `key` in the first block of `section`, trimmed and with one pair of outer quotes
// removed; nothing when that block has no such key.
std::optional<QByteArray> findProfileValue(const QByteArray &file, const QByteArray &section,
                                           const QByteArray &key);

// The file with `key` set to `value`: the key's line rewritten in place, or a new line after the
// section's last entry, or a new section at the end. All other lines keep their bytes.
QByteArray setProfileValue(const QByteArray &file, const QByteArray &section, const QByteArray &key,
                           const QByteArray &value);
