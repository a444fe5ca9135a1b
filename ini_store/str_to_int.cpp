#include "ini_store/str_to_int.h"

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

int StrToIntDef(const QByteArray &text, int defaultValue) {
    const qsizetype size = text.size();
    const auto at = [&](qsizetype i) { return i < size ? text[i] : '\0'; };
    qsizetype i = 0;
    while (at(i) == ' ')
        ++i;
    const bool negative = at(i) == '-';
    if (at(i) == '-' || at(i) == '+')
        ++i;
    bool hex = false;
    if (at(i) == '$' || at(i) == 'x' || at(i) == 'X') {
        hex = true;
        i += 1;
    } else if (at(i) == '0' && (at(i + 1) == 'x' || at(i + 1) == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= size)
        return defaultValue;

    if (hex) {
        quint32 bits = 0;
        for (; i < size; ++i) {
            const int digit = hexDigit(text[i]);
            if (digit < 0 || bits > 0x0FFFFFFFu)
                return defaultValue;
            bits = bits << 4 | quint32(digit);
        }
        return int(negative ? 0u - bits : bits);
    }

    const quint64 limit = negative ? 2147483648u : 2147483647u;
    quint64 value = 0;
    for (; i < size; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return defaultValue;
        value = value * 10 + quint64(c - '0');
        if (value > limit)
            return defaultValue;
    }
    return int(negative ? -qint64(value) : qint64(value));
}
