#pragma once
// Writing a whole text file the way the runtime's Rewrite/Write/CloseFile do.
#include <QByteArray>
#include <QString>

// Creates the file, or empties an existing one in place, and writes exactly these bytes.
// Throws EInOutError with the runtime's message and code when it cannot.
void writeTextFile(const QString &path, const QByteArray &bytes);
