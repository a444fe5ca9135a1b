#include "html_view/error_page.h"

QString errorPageHtml(const QUrl &failedUrl, const QString &reason)
{
    const QString title = QString::fromUtf16(kErrorPageTitle);
    const QString address = failedUrl.toDisplayString().toHtmlEscaped();
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                          "<body style=\"font:12px sans-serif;margin:8px;background:#fff;color:#333\">"
                          "<div style=\"font-size:14px;font-weight:bold;color:#1453BA\">%1</div>"
                          "<div style=\"margin-top:6px\">%2</div>"
                          "<div style=\"margin-top:4px;color:#777\">%3</div></body></html>")
        .arg(title, address, reason.toHtmlEscaped());
}
