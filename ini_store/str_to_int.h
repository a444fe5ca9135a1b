#pragma once
#include <QByteArray>

// The runtime's StrToIntDef: leading spaces, an optional sign, then decimal digits, or up to eight
// hexadecimal digits after "$", "x" or "0x" taken as a 32-bit pattern. Anything else gives defaultValue.
int StrToIntDef(const QByteArray &text, int defaultValue);
