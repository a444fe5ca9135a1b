// The category selectors: exclusive groups, when clicked() comes, what the keys do, focus.
#include "skin/sui_radio_button.h"
#include "skin_test_support.h"

#include <QSignalSpy>
#include <QTest>

namespace {
// a, b, c: group 0 and d: group 1, all in one parent; e: group 0 in another parent.
struct Selectors {
    Selectors() {
        window.resize(400, 120);
        auto *left = new QWidget(&window);
        left->setGeometry(0, 0, 300, 60);
        auto *right = new QWidget(&window);
        right->setGeometry(0, 60, 300, 60);
        const char *captions[] = {"时事", "体育", "娱乐", "财经", "科技"};
        for (int i = 0; i < 5; ++i) {
            auto *button = new TsuiRadioButton(i < 4 ? left : right);
            button->setObjectName(QString(QChar('a' + i)));
            button->setCaption(QString::fromUtf8(captions[i]));
            button->setGeometry(8 + 56 * (i % 4), 20, 51, 21);
            button->setGroupIndex(i == 3 ? 1 : 0);
            buttons[i] = button;
            spies[i] = std::make_unique<QSignalSpy>(button, &TsuiRadioButton::clicked);
        }
    }
    TsuiRadioButton *button(QChar name) const { return buttons[name.unicode() - 'a']; }
    QString checkedStates() const {
        QString states;
        for (TsuiRadioButton *b : buttons)
            states += b->isChecked() ? u'1' : u'0';
        return states;
    }
    QString clickCounts() const {
        QString counts;
        for (const auto &spy : spies)
            counts += QString::number(spy->count());
        return counts;
    }

    QWidget window;
    TsuiRadioButton *buttons[5] = {};
    std::unique_ptr<QSignalSpy> spies[5];
};

void runStep(Selectors &s, const QString &step) {
    const QStringList words = step.trimmed().split(u' ');
    TsuiRadioButton *target = s.button(words.at(1).at(0));
    const QString action = words.at(0);
    if (action == "set") {
        target->setChecked(true);
    } else if (action == "unset") {
        target->setChecked(false);
    } else if (action == "click") {
        QTest::mouseClick(target, Qt::LeftButton);
    } else if (action == "pressout") {
        QTest::mousePress(target, Qt::LeftButton);
        QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(target->width() + 20, 5));
    } else if (action == "key") {
        const QString key = words.at(2);
        QTest::keyClick(target, key == "space"    ? Qt::Key_Space
                                : key == "return" ? Qt::Key_Return
                                                  : Qt::Key_Enter);
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
}

int pixelsNear(const QImage &image, const QColor &color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += colorNear(image.pixelColor(x, y), color, 10);
    return count;
}

class PaintCounter : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
    QHash<QObject *, int> paints;
};
} // namespace

class TestRadioButton : public QObject {
    Q_OBJECT

private slots:
    void groupBehaviour_data();
    void groupBehaviour();
    void clickedSeesTheNewSelection();
    void selectionRepaintsAndIsDrawn();
    void tabMovesFocusAndFocusIsDrawn();
};

void TestRadioButton::groupBehaviour_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("checked"); // a..e
    QTest::addColumn<QString>("clicks");  // clicked() count of a..e

    QTest::newRow("none selected at start") << ""
                                            << "00000"
                                            << "00000";
    QTest::newRow("program select emits once") << "set a"
                                               << "10000"
                                               << "10000";
    QTest::newRow("select again: no signal") << "set a; set a"
                                             << "10000"
                                             << "10000";
    QTest::newRow("select another unselects the first") << "set a; set b"
                                                        << "01000"
                                                        << "11000";
    QTest::newRow("unselect: no signal") << "set a; unset a"
                                         << "00000"
                                         << "10000";
    QTest::newRow("mouse click selects") << "set b; click a"
                                         << "10000"
                                         << "11000";
    QTest::newRow("click on the selected one does nothing") << "click a; click a"
                                                            << "10000"
                                                            << "10000";
    QTest::newRow("release outside does not select") << "pressout a"
                                                     << "00000"
                                                     << "00000";
    QTest::newRow("space and enter do not select") << "key a space; key a return; key a enter"
                                                   << "00000"
                                                   << "00000";
    QTest::newRow("keys leave the selection alone") << "set b; key a space; key a return"
                                                    << "01000"
                                                    << "01000";
    QTest::newRow("other group index is not exclusive") << "set a; set d"
                                                        << "10010"
                                                        << "10010";
    QTest::newRow("other parent is not exclusive") << "set a; click e; set c"
                                                   << "00101"
                                                   << "10101";
}

void TestRadioButton::groupBehaviour() {
    QFETCH(QString, steps);
    QFETCH(QString, checked);
    QFETCH(QString, clicks);

    Selectors selectors;
    for (const QString &step : steps.split(u';', Qt::SkipEmptyParts))
        runStep(selectors, step);
    QCOMPARE(selectors.checkedStates(), checked);
    QCOMPARE(selectors.clickCounts(), clicks);
}

void TestRadioButton::clickedSeesTheNewSelection() {
    Selectors selectors;
    QStringList seen;
    for (TsuiRadioButton *button : selectors.buttons)
        connect(button, &TsuiRadioButton::clicked, button, [&] { seen << selectors.checkedStates(); });

    selectors.button('a')->setChecked(true);
    selectors.button('b')->setChecked(true);
    QTest::mouseClick(selectors.button('c'), Qt::LeftButton);
    QCOMPARE(seen, QStringList({"10000", "01000", "00100"}));
}

void TestRadioButton::selectionRepaintsAndIsDrawn() {
    Selectors selectors;
    TsuiRadioButton *a = selectors.button('a');
    TsuiRadioButton *b = selectors.button('b');
    selectors.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selectors.window));
    a->setChecked(true);
    QCoreApplication::processEvents();

    PaintCounter counter;
    a->installEventFilter(&counter);
    b->installEventFilter(&counter);
    b->setChecked(true);
    QTRY_VERIFY(counter.paints.value(a) > 0 && counter.paints.value(b) > 0);

    const QPoint centre = b->circleRect().center();
    QCOMPARE(pixelAt(a, centre), b->look().circleFillColor);
    QCOMPARE(pixelAt(b, centre), b->look().checkColor);
    QVERIFY2(pixelsNear(b->grab().toImage(), b->fontColor()) > 10, "caption is not drawn in the font colour");
}

void TestRadioButton::tabMovesFocusAndFocusIsDrawn() {
    Selectors selectors;
    TsuiRadioButton *a = selectors.button('a');
    TsuiRadioButton *b = selectors.button('b');
    SkinStyle style = builtinSkinStyle();
    style.radioButton.focusColor = QColor(255, 0, 0);
    b->applyStyle(style);

    selectors.window.show();
    selectors.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&selectors.window));
    a->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(a->hasFocus());
    QCOMPARE(pixelsNear(b->grab().toImage(), Qt::red), 0);

    QTest::keyClick(a, Qt::Key_Tab);
    QTRY_VERIFY(b->hasFocus());
    QVERIFY(pixelsNear(b->grab().toImage(), Qt::red) > 10);
    QCOMPARE(selectors.checkedStates(), QStringLiteral("00000"));
}

QTEST_MAIN(TestRadioButton)
#include "tst_radio_button.moc"
