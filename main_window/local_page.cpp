#include "main_window/local_page.h"

#include "code_page/code_page.h"
#include "main_window/run_state.h"
#include "runtime_io/text_file.h"

const QByteArray PlaceholderPage = QByteArrayLiteral("<title>vorn</title><body bgcolor=\"#1453BA\">");

QByteArray AboutPage()
{
    return QByteArrayLiteral("<title>vorn</title><body bgcolor=\"#1453BA\" text=yellow>") +
           narrowToCodePage(QStringLiteral("软件名称:Lumora V1.21<br>"
                                           "软件作者:Lumora 开发组<br><br>"
                                           "本软件只是新闻阅读工具，所显示的新闻内容及其版权均属于各自的发布者。<br>"
                                           "E-mail:lumora@example.org"));
}

QString localPagePath()
{
    return widenFromCodePage(runState().ProgramDir) + QStringLiteral("temp.htm");
}

void writeLocalPage(const QByteArray &page)
{
    writeTextFile(localPagePath(), page);
}
