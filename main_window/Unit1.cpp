#include "main_window/Unit1.h"
#include "ui_Unit1.h"

#include "application/application.h"
#include "application/errors.h"
#include "code_page/code_page.h"
#include "controls/design_font.h"
#include "ini_store/ini_file.h"
#include "main_window/category_table.h"
#include "main_window/local_page.h"
#include "main_window/run_state.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>

namespace {
const QByteArray kSection = QByteArrayLiteral("option");

// Runs a handler under the application's guard: an error ends it and is reported.
template <class Handler> void guarded(Handler &&handler)
{
    Application->Guard(std::forward<Handler>(handler));
}
} // namespace

TForm1::TForm1(QWidget *parent) : QWidget(parent), m_ui(std::make_unique<Ui::TForm1>())
{
    m_ui->setupUi(this);
    move(property("left").toInt(), property("top").toInt());
    applyDesignFontHeights(this);
    QFont titleFont = m_ui->suiForm1->titleFont();
    applyFontHeight(titleFont, m_ui->suiForm1->property("titleFontHeight").toInt());
    m_ui->suiForm1->setTitleFont(titleFont);
    m_ui->suim->setFileTheme(m_ui->suif);
    connectHandlers();
    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::connectHandlers()
{
    TWebBrowser *web1 = m_ui->web1;
    connect(web1, &TWebBrowser::OnTitleChange, this,
            [this](const QString &text) { guarded([&] { web1TitleChange(text); }); });
    connect(web1, &TWebBrowser::OnDocumentComplete, this, [this](const OleVariant &pDisp, const QString &url) {
        guarded([&] { web1DocumentComplete(pDisp, url); });
    });
    connect(
        web1, &TWebBrowser::OnNewWindow2, this,
        [this](OleVariant &ppDisp, bool &cancel) { guarded([&] { web1NewWindow2(ppDisp, cancel); }); },
        Qt::DirectConnection);
    connect(m_ui->Image1, &TImage::clicked, this, [this] { guarded([this] { Image1Click(); }); });
    connect(m_ui->web2, &TWebBrowser::SaveFailed, this,
            [](const QString &message) { guarded([&] { throw EOleError(message); }); });

    using Handler = void (TForm1::*)();
    static constexpr Handler selectorHandlers[] = {
        &TForm1::suiRadioButton1Click, &TForm1::suiRadioButton2Click,  &TForm1::suiRadioButton3Click,
        &TForm1::suiRadioButton4Click, &TForm1::suiRadioButton5Click,  &TForm1::suiRadioButton6Click,
        &TForm1::suiRadioButton7Click, &TForm1::suiRadioButton8Click,  &TForm1::suiRadioButton9Click,
        &TForm1::suiRadioButton10Click, &TForm1::suiRadioButton11Click, &TForm1::suiRadioButton12Click,
    };
    for (int n = 1; n <= int(CategoryTable.size()); ++n) {
        auto *selector = findChild<TsuiRadioButton *>(QStringLiteral("suiRadioButton%1").arg(n));
        const Handler handler = selectorHandlers[n - 1];
        connect(selector, &TsuiRadioButton::clicked, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
    }
}

void TForm1::FormCreate()
{
    RunState &state = runState();
    state.ProgramDir = narrowToCodePage(QFileInfo(Application->ExeName()).absolutePath() + QLatin1Char('/'));
    writeLocalPage(PlaceholderPage);
    m_ui->web1->Navigate(localPagePath());
    m_ui->web2->Navigate(localPagePath());

    const QString configPath = widenFromCodePage(state.ProgramDir + "config.ini");
    if (QFileInfo(configPath).isFile()) {
        const TIniFile ini(configPath);
        state.NewsBase = ini.ReadString(kSection, "newsurl", PrimaryNewsBase);
        m_ui->suiForm1->setFrameWidth(ini.ReadInteger(kSection, "width", 775));
        m_ui->suiForm1->setFrameHeight(ini.ReadInteger(kSection, "height", 507));
        move(x(), ini.ReadInteger(kSection, "top", 33));
        move(ini.ReadInteger(kSection, "left", 15), y());
    } else {
        Position = poScreenCenter;
        state.NewsBase = PrimaryNewsBase;
    }

    const QString skinPath = widenFromCodePage(state.ProgramDir + "skin.sui");
    if (QFileInfo(skinPath).isFile())
        m_ui->suif->setThemeFile(skinPath);
    state.FailoverCount = 0;
}

void TForm1::FormClose()
{
    const RunState &state = runState();
    TIniFile ini(widenFromCodePage(state.ProgramDir + "config.ini"));
    ini.WriteString(kSection, "newsurl", state.NewsBase);
    ini.WriteInteger(kSection, "width", m_ui->suiForm1->frameWidth());
    ini.WriteInteger(kSection, "height", m_ui->suiForm1->frameHeight());
    ini.WriteInteger(kSection, "left", x());
    ini.WriteInteger(kSection, "top", y());
}

void TForm1::FormResize()
{
    Ui::TForm1 &ui = *m_ui;
    const int W = ui.suiForm1->frameWidth();
    const int H = ui.suiForm1->frameHeight();
    // Heights below zero (a very low window) are shown as nothing at all.
    ui.gb1->resize(qMax(0, W - 2 * ui.gb1->x()), ui.gb1->height());
    ui.web1->resize(qMax(0, ui.gb1->width() - 2 * ui.web1->x()), ui.web1->height());
    ui.gb2->resize(qMax(0, W - 2 * ui.gb2->x()), ui.gb2->height());
    ui.web2->resize(qMax(0, ui.gb2->width() - 2 * ui.web2->x()), ui.web2->height());
    ui.gb2->resize(ui.gb2->width(), qMax(0, H - ui.gb2->y() - 10));
    ui.web2->resize(ui.web2->width(), qMax(0, ui.gb2->height() - ui.web2->y() - 6));
}

void TForm1::categoryClick(int n)
{
    const Category &category = CategoryTable[n - 1];
    if (!category.pageName) {
        writeLocalPage(AboutPage());
        m_ui->web1->Navigate(localPagePath());
        return;
    }
    m_ui->web1->Navigate(widenFromCodePage(runState().NewsBase + category.pageName));
}

void TForm1::web1TitleChange(const QString &Text)
{
    runState().LastTitle = narrowToCodePage(Text);
}

void TForm1::web1DocumentComplete(const OleVariant &, const QString &)
{
    RunState &state = runState();
    try {
        m_ui->web1->Application().get("Document").get("body").set("Scroll", "no");
    } catch (const EOleError &) {
        // A completed document without a body (an image, an XML file) is not judged; nothing to tell.
        return;
    }
    if (state.LastTitle == SentinelTitle)
        return;
    if (state.FailoverCount >= 1)
        return;
    state.FailoverCount += 1;
    state.NewsBase = state.NewsBase == PrimaryNewsBase ? MirrorNewsBase : PrimaryNewsBase;
    m_ui->web1->Navigate(widenFromCodePage(state.NewsBase + "news.htm"));
    m_ui->suiRadioButton1->setChecked(true);
}

void TForm1::web1NewWindow2(OleVariant &ppDisp, bool &)
{
    ppDisp = m_ui->web2->Application();
}

void TForm1::Image1Click()
{
    m_ui->web2->ExecWB(OLECMDID_SAVEAS, OLECMDEXECOPT_DODEFAULT);
}

void TForm1::showEvent(QShowEvent *event)
{
    if (!m_shownOnce && Position == poScreenCenter) {
        if (const QScreen *screen = this->screen()) {
            const QRect area = screen->geometry();
            move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
        }
    }
    m_shownOnce = true;
    QWidget::showEvent(event);
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    guarded([this] { FormResize(); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Settings that cannot be written are reported, but never keep the reader from closing.
    guarded([this] { FormClose(); });
    event->accept();
}
