#pragma once
// The application object: prepares the process, owns the main form, runs the message loop
// and shows the standard error report for errors that escape a handler.
#include <QString>
#include <functional>
#include <memory>

class QApplication;
class QWidget;

class TApplication {
public:
    // Prepares the HTML engine, then creates the Qt application object. One per process.
    TApplication(int &argc, char **argv);
    ~TApplication();
    TApplication(const TApplication &) = delete;
    TApplication &operator=(const TApplication &) = delete;

    QString Title() const { return m_title; }
    void SetTitle(const QString &title);

    // The executable's full path; tests point it at a program folder of their own.
    QString ExeName() const;
    void SetExeNameForTesting(const QString &path) { m_exeNameOverride = path; }

    // Creates the main form; errors while it is created are reported by the form itself.
    template <class Form> Form *CreateForm()
    {
        auto *form = new Form();
        adoptMainForm(form);
        return form;
    }
    QWidget *MainForm() const { return m_mainForm; }

    // Shows the main form and runs the loop until it has closed.
    int Run();

    // The standard error report: a modal box captioned with the title, error icon, OK.
    void ShowException(const QString &message);

    // Runs a handler; an error ends it where it happened and is reported. Never throws.
    void Guard(const std::function<void()> &handler) noexcept;

private:
    void adoptMainForm(QWidget *form);

    std::unique_ptr<QApplication> m_qtApp;
    QWidget *m_mainForm = nullptr;
    QString m_title;
    QString m_exeNameOverride;
};

// The text the error report shows: "." is appended when the last character sorts after ".".
QString errorReportText(const QString &message);

extern TApplication *Application;
