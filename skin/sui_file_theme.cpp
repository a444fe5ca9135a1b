#include "skin/sui_file_theme.h"

#include "skin/skin_file.h"

TsuiFileTheme::TsuiFileTheme(QWidget *parent) : QWidget(parent) {
    setFixedSize(0, 0);
    setVisible(false);
}

void TsuiFileTheme::setThemeFile(const QString &path) {
    m_themeFile = path;
    const SkinReadResult read = readSkinFile(path, builtinSkinStyle());
    m_style = read.isSkin ? read.style : builtinSkinStyle();
    m_loaded = read.isSkin;
    emit themeChanged();
}

void TsuiFileTheme::setVisible(bool) {
    QWidget::setVisible(false);
}
