#include "html_view/save_page_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QStandardPaths>

namespace {
struct FormatChoice {
    const char16_t *filter;
    const char *suffix;
    PageSaver::Format format;
};

constexpr FormatChoice kFormats[] = {
    {u"网页，全部 (*.htm;*.html)", "htm", PageSaver::Format::Complete},
    {u"Web 档案，单一文件 (*.mht)", "mht", PageSaver::Format::Archive},
    {u"网页，仅 HTML (*.htm;*.html)", "htm", PageSaver::Format::HtmlOnly},
    {u"文本文件 (*.txt)", "txt", PageSaver::Format::Text},
};

// The filters list their patterns the Windows way, "*.htm;*.html"; the file list wants them apart.
QStringList patternsOf(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const QString inner = filter.mid(open + 1).chopped(1);
    return inner.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}
} // namespace

std::optional<SavePageChoice> askWhereToSavePage(QWidget *parent, const QString &suggestedName)
{
    QFileDialog dialog(parent, QStringLiteral("保存网页"));
    dialog.setObjectName(QStringLiteral("savePageDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FormatChoice &choice : kFormats)
        filters << QString::fromUtf16(choice.filter);
    dialog.setNameFilters(filters);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    dialog.setDirectory(folder);
    dialog.selectFile(suggestedName + QStringLiteral(".htm"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("保存(&S)"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("文件名(&N):"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("保存类型(&T):"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("保存在:"));

    auto applyPatterns = [&dialog](const QString &filter) {
        if (auto *model = dialog.findChild<QFileSystemModel *>())
            model->setNameFilters(patternsOf(filter));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, applyPatterns);
    applyPatterns(filters.first());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;

    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    const FormatChoice &choice = kFormats[index < 0 ? 0 : index];
    QString path = dialog.selectedFiles().constFirst();
    const QStringList patterns = patternsOf(QString::fromUtf16(choice.filter));
    const bool hasSuffix = std::any_of(patterns.begin(), patterns.end(), [&path](const QString &pattern) {
        return path.endsWith(pattern.mid(1), Qt::CaseInsensitive);
    });
    if (!hasSuffix)
        path += QLatin1Char('.') + QLatin1String(choice.suffix);
    return SavePageChoice{path, choice.format};
}
