#include "reader_fixture.h"

#include "application/application.h"
#include "html_view/web_browser.h"
#include "main_window/run_state.h"
#include "ui_Unit1.h"

#include <QFile>
#include <QTest>

ReaderFixture::ReaderFixture()
{
    runState() = RunState{};
    Application->SetExeNameForTesting(programDir() + QStringLiteral("lumora"));
}

ReaderFixture::~ReaderFixture()
{
    delete m_form;
}

void ReaderFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path(name)));
}

QByteArray ReaderFixture::readFile(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TForm1 *ReaderFixture::start()
{
    m_form = new TForm1();
    m_web1Complete = std::make_unique<QSignalSpy>(web1(), &TWebBrowser::OnDocumentComplete);
    m_web2Complete = std::make_unique<QSignalSpy>(web2(), &TWebBrowser::OnDocumentComplete);
    m_form->show();
    if (!QTest::qWaitForWindowExposed(m_form))
        qWarning("the window was not exposed");
    return m_form;
}

bool ReaderFixture::waitForBothPanes(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && (m_web1Complete->isEmpty() || m_web2Complete->isEmpty()))
        QTest::qWait(20);
    return !m_web1Complete->isEmpty() && !m_web2Complete->isEmpty();
}

bool ReaderFixture::waitForHeadline(const QString &addressEnd, int timeoutMs)
{
    auto done = [&] {
        return !m_web1Complete->isEmpty() && m_web1Complete->last().at(1).toString().endsWith(addressEnd);
    };
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(20);
    return done();
}

void ReaderFixture::close()
{
    if (m_form)
        m_form->close();
}

TWebBrowser *ReaderFixture::web1() const
{
    return m_form->ui()->web1;
}

TWebBrowser *ReaderFixture::web2() const
{
    return m_form->ui()->web2;
}

TsuiRadioButton *ReaderFixture::selector(int n) const
{
    return m_form->findChild<TsuiRadioButton *>(QStringLiteral("suiRadioButton%1").arg(n));
}

QColor centrePixel(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    return image.isNull() ? QColor() : QColor(image.pixel(image.width() / 2, image.height() / 2));
}
