#pragma once
// The engine page behind a pane: reports every frame's load through a script of our own,
// which the page's scripts can neither see nor imitate, and refuses every permission.
#include <QWebEnginePage>

class HtmlPage : public QWebEnginePage {
    Q_OBJECT

public:
    explicit HtmlPage(QWebEngineProfile *profile, QObject *parent = nullptr);

signals:
    // JSON: {"event": "ready"|"load", "top": bool, "body": bool, "url": text}
    void frameReport(const QString &json);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;
};
