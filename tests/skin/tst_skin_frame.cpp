// The skinned frame and its window: sizes, border, title bar buttons, moving and resizing.
#include "skin/sui_form.h"
#include "skin_test_support.h"

#include <QMenu>
#include <QTest>
#include <QWindow>

namespace {
struct FramedWindow {
    explicit FramedWindow(int border = 1) {
        window.setMinimumSize(130, 0); // a design minimum the frame replaces
        window.setGeometry(100, 100, 410, 320); // the design's window, before the frame takes over
        frame = new TsuiForm(&window);
        frame->setGeometry(border, 0, 400 - 2 * border, 300 - border); // the frame's design size
        frame->setCaption(QStringLiteral("Lumora V1.21"));
        frame->setBorderWidth(border);
    }
    bool show() {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    QPoint titlePoint() const { return QPoint(frame->width() / 2, frame->titleBarHeight() / 2); }

    QWidget window;
    TsuiForm *frame = nullptr;
};
} // namespace

class TestSkinFrame : public QObject {
    Q_OBJECT

private slots:
    void takesOverItsWindow();
    void sizes_data();
    void sizes();
    void borderAndTitleBarAreClamped();
    void borderIsDrawnAroundTheFrame();
    void titleButtons();
    void doubleClickOnCaptionTogglesMaximized();
    void draggingTheTitleMovesTheWindow();
    void draggingAnEdgeResizes_data();
    void draggingAnEdgeResizes();
};

void TestSkinFrame::takesOverItsWindow() {
    FramedWindow f(3);
    QVERIFY(f.window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(f.window.minimumSize(), QSize(125, 50));
    QVERIFY(f.show());
    QCOMPARE(f.window.size(), QSize(400, 300)); // the frame's design size decides the window's
    QCOMPARE(f.frame->geometry(), QRect(3, 0, 400 - 6, 300 - 3));

    f.window.resize(520, 410);
    QTRY_COMPARE(f.frame->geometry(), QRect(3, 0, 520 - 6, 410 - 3));
}

void TestSkinFrame::sizes_data() {
    QTest::addColumn<int>("border");
    QTest::addColumn<QSize>("request");
    QTest::addColumn<QSize>("expected");

    for (int border : {0, 1, 3}) {
        const QByteArray b = QByteArray::number(border);
        QTest::newRow("border " + b + ", ordinary") << border << QSize(640, 400) << QSize(640, 400);
        QTest::newRow("border " + b + ", odd") << border << QSize(777, 507) << QSize(777, 507);
        QTest::newRow("border " + b + ", below the minimum")
            << border << QSize(100, 20) << QSize(125 - 2 * border, 50 - border);
    }
}

void TestSkinFrame::sizes() {
    QFETCH(int, border);
    QFETCH(QSize, request);
    QFETCH(QSize, expected);

    FramedWindow f(border);
    QVERIFY(f.show());
    f.frame->setFrameWidth(request.width());
    f.frame->setFrameHeight(request.height());
    QCOMPARE(QSize(f.frame->frameWidth(), f.frame->frameHeight()), expected);
    QCOMPARE(f.window.size(), expected + QSize(2 * border, border));
    QTRY_COMPARE(f.frame->geometry(), QRect(QPoint(border, 0), expected));

    // What is read back and set again stays.
    const int width = f.frame->frameWidth();
    const int height = f.frame->frameHeight();
    f.frame->setFrameWidth(width);
    f.frame->setFrameHeight(height);
    QCOMPARE(QSize(f.frame->frameWidth(), f.frame->frameHeight()), expected);
}

void TestSkinFrame::borderAndTitleBarAreClamped() {
    FramedWindow f;
    f.frame->setBorderWidth(1000);
    f.frame->setTitleBarHeight(1000);
    f.frame->setFrameWidth(0);
    f.frame->setFrameHeight(0);
    QVERIFY(f.show());
    QVERIFY(f.frame->borderWidth() <= SkinStyle::kMaxBorderWidth);
    QVERIFY(f.frame->titleBarHeight() <= SkinStyle::kMaxTitleBarHeight);
    QTRY_VERIFY(f.frame->width() > 0 && f.frame->height() >= f.frame->titleBarHeight());

    // The smallest window still shows the title bar.
    const QColor title = pixelAt(&f.window, QPoint(f.frame->x() + 20, 5));
    QVERIFY2(colorNear(title, titleGradientAt(f.frame->titleBarLook(), 5), 8), qPrintable(colorText(title)));
}

void TestSkinFrame::borderIsDrawnAroundTheFrame() {
    FramedWindow f(3);
    f.frame->setBorderColor(QColor(200, 0, 0));
    f.frame->setColor(QColor(10, 120, 30));
    QVERIFY(f.show());
    QTRY_COMPARE(f.frame->geometry(), QRect(3, 0, 394, 297));

    const QImage image = f.window.grab().toImage();
    for (QPoint p : {QPoint(0, 150), QPoint(2, 150), QPoint(399, 150), QPoint(397, 150), QPoint(200, 299),
                     QPoint(200, 297), QPoint(0, 299)})
        QCOMPARE(image.pixelColor(p), QColor(200, 0, 0));
    QCOMPARE(image.pixelColor(3, 150), QColor(10, 120, 30));
    QCOMPARE(image.pixelColor(396, 296), QColor(10, 120, 30));
    const int titleHeight = f.frame->titleBarHeight();
    const QColor title = image.pixelColor(200, titleHeight / 2);
    QVERIFY2(colorNear(title, titleGradientAt(f.frame->titleBarLook(), titleHeight / 2), 8),
             qPrintable(colorText(title)));
}

void TestSkinFrame::titleButtons() {
    FramedWindow f;
    QVERIFY(f.show());
    // From the right edge: control box, close, maximise, minimise.
    const int control = f.frame->titleButtonRect(TitleButton::ControlBox).x();
    const int close = f.frame->titleButtonRect(TitleButton::Close).x();
    const int maximize = f.frame->titleButtonRect(TitleButton::Maximize).x();
    const int minimize = f.frame->titleButtonRect(TitleButton::Minimize).x();
    QVERIFY(control > close && close > maximize && maximize > minimize);
    QVERIFY(f.frame->titleButtonRect(TitleButton::ControlBox).right() < f.frame->width());

    const QPoint maximizeAt = f.frame->titleButtonRect(TitleButton::Maximize).center();
    QTest::mouseClick(f.frame, Qt::LeftButton, {}, maximizeAt);
    QTRY_VERIFY(f.window.isMaximized());
    QTest::mouseClick(f.frame, Qt::LeftButton, {}, f.frame->titleButtonRect(TitleButton::Maximize).center());
    QTRY_VERIFY(!f.window.isMaximized());

    // Pressed on one button, released on another: nothing.
    QTest::mousePress(f.frame, Qt::LeftButton, {}, f.frame->titleButtonRect(TitleButton::Close).center());
    QTest::mouseRelease(f.frame, Qt::LeftButton, {},
                        f.frame->titleButtonRect(TitleButton::Maximize).center());
    QVERIFY(f.window.isVisible());
    QVERIFY(!f.window.isMaximized());

    // The control box opens the window menu.
    QTest::mouseClick(f.frame, Qt::LeftButton, {},
                      f.frame->titleButtonRect(TitleButton::ControlBox).center());
    QMenu *menu = f.frame->controlMenu();
    QTRY_VERIFY(menu->isVisible());
    QStringList texts;
    for (QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    QCOMPARE(texts, QStringList({"还原", "最小化", "最大化", "关闭"}));
    QVERIFY(!menu->actions().at(0)->isEnabled()); // nothing to restore yet
    menu->actions().at(2)->trigger();
    QTRY_VERIFY(f.window.isMaximized());
    menu->hide();
    QTest::mouseClick(f.frame, Qt::LeftButton, {},
                      f.frame->titleButtonRect(TitleButton::ControlBox).center());
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(menu->actions().at(0)->isEnabled());
    QVERIFY(!menu->actions().at(2)->isEnabled());
    menu->actions().at(0)->trigger();
    menu->hide();
    QTRY_VERIFY(!f.window.isMaximized());

    QTest::mouseClick(f.frame, Qt::LeftButton, {}, f.frame->titleButtonRect(TitleButton::Close).center());
    QTRY_VERIFY(!f.window.isVisible());
}

void TestSkinFrame::doubleClickOnCaptionTogglesMaximized() {
    FramedWindow f;
    QVERIFY(f.show());
    QTest::mouseDClick(f.frame, Qt::LeftButton, {}, f.titlePoint());
    QTRY_VERIFY(f.window.isMaximized());
    QTest::mouseDClick(f.frame, Qt::LeftButton, {}, f.titlePoint());
    QTRY_VERIFY(!f.window.isMaximized());

    // Below the title bar a double click is nothing to the window.
    QTest::mouseDClick(f.frame, Qt::LeftButton, {}, QPoint(100, 150));
    QTest::qWait(50);
    QVERIFY(!f.window.isMaximized());
}

// Xvfb has no window manager, so the frame moves and resizes the window by hand.
void TestSkinFrame::draggingTheTitleMovesTheWindow() {
    FramedWindow f;
    QVERIFY(f.show());
    const QPoint start = f.window.pos();
    const QPoint press = f.frame->mapToGlobal(f.titlePoint());

    sendMouse(f.frame, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    sendMouse(f.frame, QEvent::MouseMove, press + QPoint(30, 10), Qt::NoButton, Qt::LeftButton);
    sendMouse(f.frame, QEvent::MouseMove, press + QPoint(60, 40), Qt::NoButton, Qt::LeftButton);
    sendMouse(f.frame, QEvent::MouseButtonRelease, press + QPoint(60, 40), Qt::LeftButton, Qt::NoButton);
    QTRY_COMPARE(f.window.pos(), start + QPoint(60, 40));
    QCOMPARE(f.window.size(), QSize(400, 300));

    // Dragging below the title bar does not move it.
    const QPoint body = f.frame->mapToGlobal(QPoint(100, 150));
    sendMouse(f.frame, QEvent::MouseButtonPress, body, Qt::LeftButton, Qt::LeftButton);
    sendMouse(f.frame, QEvent::MouseMove, body + QPoint(50, 50), Qt::NoButton, Qt::LeftButton);
    sendMouse(f.frame, QEvent::MouseButtonRelease, body + QPoint(50, 50), Qt::LeftButton, Qt::NoButton);
    QTest::qWait(50);
    QCOMPARE(f.window.pos(), start + QPoint(60, 40));
}

void TestSkinFrame::draggingAnEdgeResizes_data() {
    QTest::addColumn<int>("border");
    QTest::addColumn<QPoint>("grab"); // in the window
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QRect>("expected"); // relative to the window's first geometry

    QTest::newRow("right edge, in the frame")
        << 1 << QPoint(397, 150) << QPoint(50, 30) << int(Qt::SizeHorCursor) << QRect(0, 0, 450, 300);
    QTest::newRow("bottom right corner, in the border")
        << 3 << QPoint(399, 299) << QPoint(50, 30) << int(Qt::SizeFDiagCursor) << QRect(0, 0, 450, 330);
    QTest::newRow("top edge") << 1 << QPoint(200, 1) << QPoint(0, -20) << int(Qt::SizeVerCursor)
                              << QRect(0, -20, 400, 320);
    QTest::newRow("left edge down to the minimum")
        << 3 << QPoint(1, 150) << QPoint(500, 0) << int(Qt::SizeHorCursor) << QRect(275, 0, 125, 300);
    QTest::newRow("bottom left corner")
        << 0 << QPoint(2, 298) << QPoint(-10, 10) << int(Qt::SizeBDiagCursor) << QRect(-10, 0, 410, 310);
}

void TestSkinFrame::draggingAnEdgeResizes() {
    QFETCH(int, border);
    QFETCH(QPoint, grab);
    QFETCH(QPoint, delta);
    QFETCH(int, cursor);
    QFETCH(QRect, expected);

    FramedWindow f(border);
    QVERIFY(f.show());
    const QRect start = f.window.geometry();
    QWidget *target = f.window.childAt(grab) ? f.window.childAt(grab) : &f.window;
    QVERIFY(target == f.frame || target == &f.window);
    const QPoint press = f.window.mapToGlobal(grab);

    sendMouse(target, QEvent::MouseMove, press, Qt::NoButton, Qt::NoButton);
    QCOMPARE(int(f.window.windowHandle()->cursor().shape()), cursor);

    sendMouse(target, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    sendMouse(target, QEvent::MouseMove, press + delta, Qt::NoButton, Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, press + delta, Qt::LeftButton, Qt::NoButton);
    QTRY_COMPARE(f.window.geometry(), expected.translated(start.topLeft()));
    QTRY_COMPARE(f.frame->geometry(),
                 QRect(border, 0, expected.width() - 2 * border, expected.height() - border));

    // Away from the edges the cursor is the ordinary one again.
    sendMouse(f.frame, QEvent::MouseMove, f.frame->mapToGlobal(f.frame->rect().center()), Qt::NoButton,
              Qt::NoButton);
    QCOMPARE(f.window.windowHandle()->cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(TestSkinFrame)
#include "tst_skin_frame.moc"
