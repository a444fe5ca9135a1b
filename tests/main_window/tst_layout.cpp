// The window's layout rule: the headline area keeps its height, the article area takes the rest.
#include "reader_fixture.h"
#include "test_main.h"

#include "ui_Unit1.h"

#include <QTest>

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void resizeRelaysThePanes_data();
    void resizeRelaysThePanes();
};

void LayoutTest::resizeRelaysThePanes_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<int>("gb1Width");
    QTest::addColumn<int>("web1Width");
    QTest::addColumn<QSize>("gb2");
    QTest::addColumn<QSize>("web2");

    QTest::newRow("settings defaults") << QSize(775, 507) << QSize(775, 507) << 759 << 743 << QSize(759, 265)
                                       << QSize(743, 243);
    QTest::newRow("design size") << QSize(777, 534) << QSize(777, 534) << 761 << 745 << QSize(761, 292)
                                 << QSize(745, 270);
    QTest::newRow("minimum") << QSize(100, 20) << QSize(123, 49) << 107 << 91 << QSize(107, 0) << QSize(91, 0);
    QTest::newRow("larger") << QSize(1000, 800) << QSize(1000, 800) << 984 << 968 << QSize(984, 558)
                            << QSize(968, 536);
}

void LayoutTest::resizeRelaysThePanes()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, frame);
    QFETCH(int, gb1Width);
    QFETCH(int, web1Width);
    QFETCH(QSize, gb2);
    QFETCH(QSize, web2);

    ReaderFixture reader;
    TForm1 *form = reader.start();
    Ui::TForm1 &ui = *form->ui();
    const QList<QPoint> selectorsBefore = [&] {
        QList<QPoint> places;
        for (auto *selector : ui.gb1->findChildren<TsuiRadioButton *>())
            places << selector->pos();
        return places;
    }();
    ui.suiForm1->setFrameWidth(requested.width());
    ui.suiForm1->setFrameHeight(requested.height());

    QCOMPARE(QSize(ui.suiForm1->frameWidth(), ui.suiForm1->frameHeight()), frame);
    QCOMPARE(ui.gb1->geometry(), QRect(8, 32, gb1Width, 193));
    QCOMPARE(ui.web1->geometry(), QRect(8, 16, web1Width, 145));
    QCOMPARE(ui.gb2->geometry(), QRect(QPoint(8, 232), gb2));
    QCOMPARE(ui.web2->geometry(), QRect(QPoint(8, 16), web2));
    QCOMPARE(ui.Image1->geometry(), QRect(680, 160, 32, 32));
    QList<QPoint> selectorsAfter;
    for (auto *selector : ui.gb1->findChildren<TsuiRadioButton *>())
        selectorsAfter << selector->pos();
    QCOMPARE(selectorsAfter, selectorsBefore);
    QCOMPARE(selectorsAfter.size(), 12);
}

LUMORA_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
