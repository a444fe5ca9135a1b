#pragma once
#include <QByteArray>
#include <QString>

// Content-Type for a served file, chosen by its extension.
QByteArray mimeTypeForFile(const QString &fileName);
