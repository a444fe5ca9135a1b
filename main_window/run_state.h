#pragma once
// The values the window's handlers share for the whole run. Texts are in the system code page.
#include <QByteArray>
#include <QtGlobal>

struct RunState {
    QByteArray ProgramDir; // the executable's folder, with its trailing separator
    QByteArray NewsBase;   // base URL of the news server in use
    QByteArray LastTitle;  // the title the headline pane reported last
    qint32 FailoverCount = 0;
};

RunState &runState();

// The two built-in news servers; page names are appended to them directly.
extern const QByteArray PrimaryNewsBase;
extern const QByteArray MirrorNewsBase;
// The title every news server page and every local page carries.
extern const QByteArray SentinelTitle;
