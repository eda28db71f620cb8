// The report bodies, byte for byte.
#include "wizard/FeedbackReport.h"

#include <QTest>

class TestFeedbackReport : public QObject
{
    Q_OBJECT

private slots:
    void reports_data()
    {
        QTest::addColumn<QString>("reasons"); // check-box keys in order, "*" after the checked ones
        QTest::addColumn<QStringList>(
            "typed"); // feature line (also the e-mail), price line, free text
        QTest::addColumn<QByteArray>("answers");
        QTest::newRow("check-box order, empty answer lines count, text escaped")
            << "q15* q1 q4*" << QStringList{"abc", "", "Zu \"langsam\"\n\u00c4rger"}
            << QByteArray("[{\"q15\":true},{\"q1\":false},{\"q4\":true},\"Zu "
                          "\\\"langsam\\\"\\n\xc3\x84rger\"],"
                          "\"uninstallLineEdit\":[{\"q15\":\"\"},{\"q4\":\"abc\"}],");
        QTest::newRow("keys compared with case, no lines of unticked reasons")
            << "Q4* Q15* q4 q15" << QStringList{"abc", "def", ""}
            << QByteArray("[{\"Q4\":true},{\"Q15\":true},{\"q4\":false},{\"q15\":false},\"\"],");
    }

    void reports()
    {
        QFETCH(QString, reasons);
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, answers);
        FeedbackReport::Answers given{{}, typed.at(0), typed.at(1), typed.at(2)};
        for (const QString &reason : reasons.split(' '))
            given.reasons.append({QString(reason).remove('*'), reason.endsWith('*')});
        // An afternoon of a day and month below ten: a 12-hour clock or a lost zero shows.
        const QDateTime moment(QDate(2027, 3, 9), QTime(13, 5, 7));
        const QString user = QStringLiteral("{0f8fad5b-d9cb-469f-a165-70867728950e}");
        QCOMPARE(FeedbackReport::first({"Example Works", "en", "1001", "Demo Suite", "3.2.1"},
                                       user,
                                       moment,
                                       given),
                 "{\"brand\":\"Example "
                 "Works\",\"language\":\"en\",\"productId\":\"1001\",\"productName\":"
                 "\"Demo Suite\",\"productVersion\":\"3.2.1\",\"tid\":\"03092027130507\",\"time\":"
                 "\"2027-03-09 13:05:07\",\"uninstallCause\":"
                     + answers + "\"userId\":\"" + user.toUtf8() + "\"}");
    }
};

QTEST_APPLESS_MAIN(TestFeedbackReport)
#include "tst_feedbackreport.moc"
