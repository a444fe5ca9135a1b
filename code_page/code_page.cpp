#include "code_page/code_page.h"

QString widenFromCodePage(const QByteArray &ansi) {
    return QString::fromLocal8Bit(ansi);
}

QByteArray narrowToCodePage(const QString &text) {
    return text.toLocal8Bit();
}

QByteArray systemCodePageName() {
    // Qt names its local 8-bit encoding "Locale"; outside Windows it is always UTF-8, whatever the locale
    // says.
    return QByteArrayLiteral("UTF-8");
}
