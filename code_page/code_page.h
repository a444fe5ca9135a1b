#pragma once
// Program text is 8-bit text in the system code page, which is Qt's local 8-bit encoding.
#include <QByteArray>
#include <QString>

QString widenFromCodePage(const QByteArray &ansi);
QByteArray narrowToCodePage(const QString &text);
// The code page's name as an HTML engine's default text encoding setting expects it.
QByteArray systemCodePageName();
