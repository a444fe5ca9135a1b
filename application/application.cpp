#include "application/application.h"

#include "application/errors.h"
#include "application/terminate_request.h"
#include "html_view/html_engine.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

TApplication *Application = nullptr;

TApplication::TApplication(int &argc, char **argv)
{
    Q_ASSERT(!Application);
    // One design pixel is one screen pixel, whatever the screen's pixels per inch.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    prepareHtmlEngine();
    m_qtApp = std::make_unique<QApplication>(argc, argv);
    Application = this;
}

TApplication::~TApplication()
{
    delete m_mainForm;
    Application = nullptr;
}

void TApplication::SetTitle(const QString &title)
{
    m_title = title;
    QGuiApplication::setApplicationDisplayName(title);
}

QString TApplication::ExeName() const
{
    return m_exeNameOverride.isEmpty() ? QCoreApplication::applicationFilePath() : m_exeNameOverride;
}

void TApplication::adoptMainForm(QWidget *form)
{
    if (!m_mainForm)
        m_mainForm = form;
}

int TApplication::Run()
{
    if (!m_mainForm)
        return 0;
    closeOnTerminateRequest(m_mainForm);
    m_mainForm->show();
    return QApplication::exec();
}

QString errorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void TApplication::ShowException(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, m_title, errorReportText(message), QMessageBox::Ok,
                    m_mainForm && m_mainForm->isVisible() ? m_mainForm : nullptr);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void TApplication::Guard(const std::function<void()> &handler) noexcept
{
    QString message;
    try {
        handler();
        return;
    } catch (const Exception &e) {
        message = e.message();
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    try {
        ShowException(message);
    } catch (...) {
        // The report itself must not let an error reach the event loop.
    }
}
