// The standard error report and the guard every handler runs under.
#include "error_box_catcher.h"
#include "test_main.h"

#include "application/errors.h"

#include <QTest>

class ErrorReportTest : public QObject {
    Q_OBJECT

private slots:
    void textGetsAFinalFullStop_data();
    void textGetsAFinalFullStop();
    void guardReportsAndStopsTheHandler();
};

void ErrorReportTest::textGetsAFinalFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "File access denied" << "File access denied.";
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("comma sorts before") << "a," << "a,";
    QTest::newRow("bang sorts before") << "Stop!" << "Stop!";
    QTest::newRow("slash sorts after") << "C:/x/" << "C:/x/.";
    QTest::newRow("digit") << "I/O error 5" << "I/O error 5.";
    QTest::newRow("chinese") << "无法保存" << "无法保存.";
    QTest::newRow("empty") << "" << "";
}

void ErrorReportTest::textGetsAFinalFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorReportText(message), shown);
}

void ErrorReportTest::guardReportsAndStopsTheHandler()
{
    ErrorBoxCatcher boxes;
    bool afterThrow = false;
    bool ranOn = false;
    Application->Guard([&] {
        throw EInOutError(QStringLiteral("Disk full"), 112);
        afterThrow = true;
    });
    Application->Guard([&] { throw std::runtime_error("plain"); });
    Application->Guard([&] { ranOn = true; });
    QVERIFY(!afterThrow);
    QVERIFY(ranOn);
    QCOMPARE(boxes.texts(), (QStringList{"Disk full.", "plain."}));
    QCOMPARE(boxes.boxes().first().title, QString("Lumora"));
    QCOMPARE(boxes.boxes().first().icon, QMessageBox::Critical);
}

LUMORA_TEST_MAIN(ErrorReportTest)
#include "tst_error_report.moc"
