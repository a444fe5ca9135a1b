#pragma once
// The automation objects a pane hands out: the pane itself ("Application"), its document and
// the document's body. Each holds its pane weakly; a pane that is gone has no document.
#include "html_view/ole_variant.h"

#include <QPointer>

class TWebBrowser;

// An object that belongs to a pane and holds it weakly.
class PaneObject : public AutomationObject {
public:
    explicit PaneObject(TWebBrowser *browser) : m_browser(browser) {}
    TWebBrowser *browser() const { return m_browser; }

protected:
    QPointer<TWebBrowser> m_browser;
};

class BrowserObject : public PaneObject {
public:
    using PaneObject::PaneObject;
    OleVariant getProperty(const QString &name) override;
    void setProperty(const QString &name, const OleVariant &value) override;
};

class DocumentObject : public PaneObject {
public:
    using PaneObject::PaneObject;
    OleVariant getProperty(const QString &name) override;
    void setProperty(const QString &name, const OleVariant &value) override;
};

class BodyObject : public PaneObject {
public:
    using PaneObject::PaneObject;
    OleVariant getProperty(const QString &name) override;
    void setProperty(const QString &name, const OleVariant &value) override;
};

// A frame that finished loading inside a page; it offers nothing by name.
class FrameObject : public AutomationObject {
public:
    OleVariant getProperty(const QString &name) override;
    void setProperty(const QString &name, const OleVariant &value) override;
};
