#pragma once
#include <QString>
#include <QUrl>

// Title of the page a pane shows when a load fails; news pages carry a different one.
inline constexpr char16_t kErrorPageTitle[] = u"无法显示网页";

QString errorPageHtml(const QUrl &failedUrl, const QString &reason);
