#pragma once
// The automation objects a pane hands out: the pane itself ("Application"), its document and
// the document's body. Each holds its pane weakly; a pane that is gone has no document.
#include "html_view/ole_variant.h"

#include <QPointer>

class TWebBrowser;

class BrowserObject : public AutomationObject {
public:
    explicit BrowserObject(TWebBrowser *browser) : m_browser(browser) {}
    TWebBrowser *browser() const { return m_browser; }
    OleVariant getProperty(const QString &name) override;
    void setProperty(const QString &name, const OleVariant &value) override;

private:
    QPointer<TWebBrowser> m_browser;
};

class DocumentObject : public AutomationObject {
public:
    explicit DocumentObject(TWebBrowser *browser) : m_browser(browser) {}
    OleVariant getProperty(const QString &name) override;
    void setProperty(const QString &name, const OleVariant &value) override;

private:
    QPointer<TWebBrowser> m_browser;
};

class BodyObject : public AutomationObject {
public:
    explicit BodyObject(TWebBrowser *browser) : m_browser(browser) {}
    OleVariant getProperty(const QString &name) override;
    void setProperty(const QString &name, const OleVariant &value) override;

private:
    QPointer<TWebBrowser> m_browser;
};

// A frame that finished loading inside a page; it offers nothing by name.
class FrameObject : public AutomationObject {
public:
    OleVariant getProperty(const QString &name) override;
    void setProperty(const QString &name, const OleVariant &value) override;
};
