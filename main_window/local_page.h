#pragma once
// The local page file "temp.htm" in the program's folder: the placeholder shown before any
// news and the About page.
#include <QByteArray>
#include <QString>

// An empty blue page carrying the sentinel title.
extern const QByteArray PlaceholderPage;
// The About page, one line in the system code page.
QByteArray AboutPage();

QString localPagePath();
// Replaces the whole file with the page text; throws EInOutError with the runtime's text.
void writeLocalPage(const QByteArray &page);
