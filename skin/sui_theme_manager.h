#pragma once
// Gives a file theme's style to the controls named in componentList, looked up by object name
// among its window's descendants; controls not in the list keep their own look. It applies
// the style when the theme is set, whenever the theme changes and when the list changes.
// It is a widget only so that a form design can hold it; it is never shown.
//
// Properties: componentList (object names), uiStyle (kept for designs).
#include <QPointer>
#include <QStringList>
#include <QWidget>

class TsuiFileTheme;

class TsuiThemeManager : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList componentList READ componentList WRITE setComponentList)
    Q_PROPERTY(QString uiStyle READ uiStyle WRITE setUiStyle)

public:
    explicit TsuiThemeManager(QWidget *parent = nullptr);

    QStringList componentList() const { return m_componentList; }
    void setComponentList(const QStringList &names);
    QString uiStyle() const { return m_uiStyle; }
    void setUiStyle(const QString &style) { m_uiStyle = style; }

    TsuiFileTheme *fileTheme() const { return m_fileTheme; }
    void setFileTheme(TsuiFileTheme *theme);
    // Gives the theme's style to the listed controls now; nothing without a theme.
    void applyTheme();

    void setVisible(bool visible) override;

private:
    QStringList m_componentList;
    QString m_uiStyle = QStringLiteral("FromThemeFile");
    QPointer<TsuiFileTheme> m_fileTheme;
    QMetaObject::Connection m_themeConnection;
};
