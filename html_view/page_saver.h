#pragma once
// The pane's "save as": a dialog of our own, then the engine writes the page in the chosen form.
#include <QObject>
#include <QPointer>
#include <QString>

class QWebEnginePage;
class QWebEngineDownloadRequest;
class TWebBrowser;

class PageSaver : public QObject {
    Q_OBJECT

public:
    enum class Format { Complete, Archive, HtmlOnly, Text };

    explicit PageSaver(TWebBrowser *browser);
    void attach(QWebEnginePage *page);

    // Shows the dialog; returns without saving when it is cancelled. Throws EOleError when the
    // chosen file cannot be written. Engine saves finish later: see saveFailed / saveFinished.
    void saveAs();
    void save(const QString &path, Format format);

    static QString suggestedFileName(const QString &title);

signals:
    void saveFinished(const QString &path);
    void saveFailed(const QString &message);

private:
    void onDownloadRequested(QWebEngineDownloadRequest *download);
    void fail(const QString &path, const QString &reason);

    TWebBrowser *m_browser;
    QPointer<QWebEnginePage> m_page;
    QString m_pendingPath;
};
