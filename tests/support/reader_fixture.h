#pragma once
// A reader started from a temporary program folder of its own, as a user would start it.
#include "main_window/Unit1.h"

#include <QByteArray>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>

class TWebBrowser;
class TsuiRadioButton;

class ReaderFixture {
public:
    ReaderFixture();
    ~ReaderFixture();

    QString programDir() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString &name) const { return programDir() + name; }
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;

    // Creates the window (start-up runs) and shows it.
    TForm1 *start();
    // Waits until both panes have completed a document since start().
    bool waitForBothPanes(int timeoutMs = 20000);
    // Waits until the headline pane has completed a document whose address ends so.
    bool waitForHeadline(const QString &addressEnd, int timeoutMs = 15000);
    // Asks the window to close, as its close button does.
    void close();

    TForm1 *form() const { return m_form; }
    TWebBrowser *web1() const;
    TWebBrowser *web2() const;
    // Category selector n (1 to 12).
    TsuiRadioButton *selector(int n) const;
    QSignalSpy &web1Completions() { return *m_web1Complete; }
    QSignalSpy &web2Completions() { return *m_web2Complete; }

private:
    QTemporaryDir m_dir;
    QPointer<TForm1> m_form;
    std::unique_ptr<QSignalSpy> m_web1Complete;
    std::unique_ptr<QSignalSpy> m_web2Complete;
};

// The colour at the middle of a widget as it is drawn now.
QColor centrePixel(QWidget *widget);
