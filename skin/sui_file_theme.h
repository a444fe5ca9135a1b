#pragma once
// A skin read from one of our skin files. It is a widget only so that a form design can hold
// it; it is never shown and takes no room.
//
// Property: themeFile. Setting it reads the file (at most kMaxSkinFileBytes) and emits
// themeChanged(); a file that is missing, unreadable, empty or not a skin gives the built-in
// style, and within a skin every value that cannot be used keeps the built-in one.
#include "skin/skin_style.h"

#include <QWidget>

class TsuiFileTheme : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString themeFile READ themeFile WRITE setThemeFile)

public:
    explicit TsuiFileTheme(QWidget *parent = nullptr);

    QString themeFile() const { return m_themeFile; }
    void setThemeFile(const QString &path);

    const SkinStyle &skinStyle() const { return m_style; }
    // Whether themeFile was read as a skin (false: the built-in style is in use).
    bool isLoaded() const { return m_loaded; }

    void setVisible(bool visible) override;

signals:
    void themeChanged();

private:
    QString m_themeFile;
    SkinStyle m_style = builtinSkinStyle();
    bool m_loaded = false;
};
