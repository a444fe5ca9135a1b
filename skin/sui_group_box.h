#pragma once
// A skinned group box: a rectangle in borderColor with the caption set into its top edge.
// It stands on its parent's colour (the frame's, under a TsuiForm) and passes that colour on.
//
// Properties: caption, borderColor, fontColor (caption colour), uiStyle (kept for designs).
// The caption font is the widget's font.
#include "skin/skin_style.h"
#include "skin/skinned_control.h"

#include <QWidget>

class TsuiGroupBox : public QWidget, public SkinnedControl {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QColor color READ color STORED false)
    Q_PROPERTY(QString uiStyle READ uiStyle WRITE setUiStyle)

public:
    explicit TsuiGroupBox(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QColor borderColor() const { return m_look.borderColor; }
    void setBorderColor(const QColor &color);
    QColor fontColor() const { return m_look.fontColor; }
    void setFontColor(const QColor &color);
    QColor color() const { return surfaceColor(); }
    QString uiStyle() const { return m_uiStyle; }
    void setUiStyle(const QString &style) { m_uiStyle = style; }

    void applyStyle(const SkinStyle &style) override;
    QColor surfaceColor() const override { return surfaceColorBehind(this); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    SkinStyle::GroupBox m_look = builtinSkinStyle().groupBox;
    QString m_uiStyle = QStringLiteral("FromThemeFile");
};
