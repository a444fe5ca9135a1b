#include "html_view/page_saver.h"

#include "application/errors.h"
#include "code_page/code_page.h"
#include "html_view/engine_profile.h"
#include "html_view/save_page_dialog.h"
#include "html_view/web_browser.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {
[[noreturn]] void cannotSave(const QString &path, const QString &reason)
{
    throw EOleError(QStringLiteral("无法保存网页 %1：%2").arg(QDir::toNativeSeparators(path), reason));
}

// The engine writes the file itself; find out beforehand whether it can, so that a bad choice
// is reported at once instead of leaving a part-written file.
void checkWritable(const QString &path)
{
    const QFileInfo target(path);
    if (target.isDir())
        cannotSave(path, QStringLiteral("已有同名的文件夹。"));
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir())
        cannotSave(path, QStringLiteral("文件夹不存在。"));
    QTemporaryFile probe(folder + QStringLiteral("/.lumora-save-XXXXXX"));
    if (!probe.open())
        cannotSave(path, QStringLiteral("无法写入该文件夹。"));
}

QString resourceFolderOf(const QString &path)
{
    const QFileInfo info(path);
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("_files");
}
} // namespace

PageSaver::PageSaver(TWebBrowser *browser) : QObject(browser), m_browser(browser) {}

void PageSaver::attach(QWebEnginePage *page)
{
    m_page = page;
    connect(engineProfile(), &QWebEngineProfile::downloadRequested, this, &PageSaver::onDownloadRequested);
}

QString PageSaver::suggestedFileName(const QString &title)
{
    QString name = title;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    name = name.trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("无标题") : name.left(100);
}

void PageSaver::saveAs()
{
    const auto choice = askWhereToSavePage(m_browser->window(), suggestedFileName(m_page ? m_page->title() : QString()));
    if (choice)
        save(choice->path, choice->format);
}

void PageSaver::save(const QString &path, Format format)
{
    if (!m_page)
        throw EOleError(QStringLiteral("没有可保存的网页。"));
    if (!m_pendingPath.isEmpty())
        cannotSave(path, QStringLiteral("上一次保存尚未完成。"));
    checkWritable(path);

    if (format == Format::Text) {
        QPointer<PageSaver> self(this);
        m_pendingPath = path;
        m_page->toPlainText([self, path](const QString &text) {
            if (!self)
                return;
            self->m_pendingPath.clear();
            QSaveFile file(path);
            if (file.open(QIODevice::WriteOnly) && file.write(narrowToCodePage(text)) >= 0 && file.commit())
                emit self->saveFinished(path);
            else
                self->fail(path, file.errorString());
        });
        return;
    }
    const auto engineFormat = format == Format::Complete  ? QWebEngineDownloadRequest::CompleteHtmlSaveFormat
                              : format == Format::Archive ? QWebEngineDownloadRequest::MimeHtmlSaveFormat
                                                          : QWebEngineDownloadRequest::SingleHtmlSaveFormat;
    m_pendingPath = path;
    m_page->save(path, engineFormat);
}

void PageSaver::onDownloadRequested(QWebEngineDownloadRequest *download)
{
    if (!download->isSavePageDownload() || download->page() != m_page || m_pendingPath.isEmpty())
        return;
    const QString path = m_pendingPath;
    const bool complete = download->savePageFormat() == QWebEngineDownloadRequest::CompleteHtmlSaveFormat;
    connect(download, &QWebEngineDownloadRequest::stateChanged, this,
            [this, path, complete](QWebEngineDownloadRequest::DownloadState state) {
                if (state == QWebEngineDownloadRequest::DownloadCompleted) {
                    m_pendingPath.clear();
                    emit saveFinished(path);
                } else if (state == QWebEngineDownloadRequest::DownloadCancelled ||
                           state == QWebEngineDownloadRequest::DownloadInterrupted) {
                    auto *request = qobject_cast<QWebEngineDownloadRequest *>(sender());
                    const QString reason = request ? request->interruptReasonString() : QString();
                    m_pendingPath.clear();
                    // Never leave a part-written page behind as if it were saved.
                    QFile::remove(path);
                    if (complete)
                        QDir(resourceFolderOf(path)).removeRecursively();
                    fail(path, reason);
                }
            });
    download->accept();
}

void PageSaver::fail(const QString &path, const QString &reason)
{
    emit saveFailed(QStringLiteral("无法保存网页 %1：%2").arg(QDir::toNativeSeparators(path), reason));
}
