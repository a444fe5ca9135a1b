#pragma once
// Small helpers shared by the skin tests.
#include "skin/skin_style.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

inline QString writeTestFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

inline QString copyShippedSkin(const QTemporaryDir &dir, const QString &name) {
    QFile shipped(QStringLiteral(":/skins/") + name);
    if (!shipped.open(QIODevice::ReadOnly))
        qFatal("skin %s is not compiled in", qPrintable(name));
    return writeTestFile(dir, name, shipped.readAll());
}

inline bool colorNear(const QColor &a, const QColor &b, int tolerance) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

// The title bar gradient runs from its top edge to its bottom edge.
inline QColor titleGradientAt(const SkinStyle::TitleBar &look, int y) {
    const double t = (y + 0.5) / look.height;
    auto mix = [t](int from, int to) { return int(from + (to - from) * t + 0.5); };
    return QColor(mix(look.gradientStart.red(), look.gradientEnd.red()),
                  mix(look.gradientStart.green(), look.gradientEnd.green()),
                  mix(look.gradientStart.blue(), look.gradientEnd.blue()));
}

inline QColor pixelAt(QWidget *widget, QPoint pos) {
    return widget->grab().toImage().pixelColor(pos);
}

// A mouse event at a screen position, delivered straight to the widget (its window may move
// while the button is held, so the position is given on screen).
inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint global, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
    QMouseEvent event(type, widget->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline QString colorText(const QColor &color) {
    return color.name();
}
