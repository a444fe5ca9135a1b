#include "skin/sui_theme_manager.h"

#include "skin/skinned_control.h"
#include "skin/sui_file_theme.h"

TsuiThemeManager::TsuiThemeManager(QWidget *parent) : QWidget(parent) {
    setFixedSize(0, 0);
    setVisible(false);
}

void TsuiThemeManager::setComponentList(const QStringList &names) {
    m_componentList = names;
    applyTheme();
}

void TsuiThemeManager::setFileTheme(TsuiFileTheme *theme) {
    disconnect(m_themeConnection);
    m_fileTheme = theme;
    if (theme)
        m_themeConnection = connect(theme, &TsuiFileTheme::themeChanged, this, &TsuiThemeManager::applyTheme);
    applyTheme();
}

void TsuiThemeManager::applyTheme() {
    if (!m_fileTheme)
        return;
    const SkinStyle &style = m_fileTheme->skinStyle();
    QWidget *root = window();
    for (const QString &name : m_componentList) {
        if (name.isEmpty())
            continue;
        for (QWidget *widget : root->findChildren<QWidget *>(name))
            if (auto *control = dynamic_cast<SkinnedControl *>(widget))
                control->applyStyle(style);
    }
}

void TsuiThemeManager::setVisible(bool) {
    QWidget::setVisible(false);
}
