// The report bodies, byte for byte.
#include "wizard/FeedbackReport.h"

#include <QTest>

using Reasons = QVector<FeedbackReport::Reason>;
Q_DECLARE_METATYPE(FeedbackReport::Answers)

namespace {

const QString userId = QStringLiteral("{0f8fad5b-d9cb-469f-a165-70867728950e}");
const QDateTime fixedMoment(QDate(2026, 12, 5), QTime(1, 30, 15));

FeedbackReport::Product demoSuite()
{
    return {QStringLiteral("Example Works"),
            QStringLiteral("en"),
            QStringLiteral("1001"),
            QStringLiteral("Demo Suite"),
            QStringLiteral("3.2.1")};
}

Reasons reasons(const QStringList &keys, const QStringList &checked = {})
{
    Reasons result;
    for (const QString &key : keys)
        result.append({key, checked.contains(key)});
    return result;
}

const QStringList sixKeys{"q1", "q2", "q3", "q4", "q15", "q6"};
// Every first report below starts and ends so.
const QByteArray head = "{\"brand\":\"Example Works\",\"language\":\"en\",\"productId\":\"1001\","
                        "\"productName\":\"Demo Suite\",\"productVersion\":\"3.2.1\","
                        "\"tid\":\"12052026013015\",\"time\":\"2026-12-05 01:30:15\",";
const QByteArray tail = "\"userId\":\"{0f8fad5b-d9cb-469f-a165-70867728950e}\"}";

} // namespace

class TestFeedbackReport : public QObject
{
    Q_OBJECT

private slots:
    void firstReport_data();
    void firstReport();
    void afternoonOnTheTwentyFourHourClock();
    void secondReport();
};

void TestFeedbackReport::firstReport_data()
{
    QTest::addColumn<FeedbackReport::Answers>("answers");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("nothing chosen")
        << FeedbackReport::Answers{reasons(sixKeys), "typed, then unchecked", "", ""}
        << head
               + "\"uninstallCause\":[{\"q1\":false},{\"q2\":false},{\"q3\":false},"
                 "{\"q4\":false},{\"q15\":false},{\"q6\":false},\"\"],"
               + tail;
    QTest::newRow("q4 with its line")
        << FeedbackReport::Answers{reasons(sixKeys, {"q4"}), "abc", "", "too slow"}
        << head
               + "\"uninstallCause\":[{\"q1\":false},{\"q2\":false},{\"q3\":false},"
                 "{\"q4\":true},{\"q15\":false},{\"q6\":false},\"too slow\"],"
                 "\"uninstallLineEdit\":[{\"q4\":\"abc\"}],"
               + tail;
    // Check-box order, not key order; an empty answer line still counts.
    QTest::newRow("q15 and q4")
        << FeedbackReport::Answers{reasons({"q15", "q1", "q4"}, {"q4", "q15", "q1"}),
                                   "",
                                   "too dear",
                                   ""}
        << head
               + "\"uninstallCause\":[{\"q15\":true},{\"q1\":true},{\"q4\":true},\"\"],"
                 "\"uninstallLineEdit\":[{\"q15\":\"too dear\"},{\"q4\":\"\"}],"
               + tail;
    QTest::newRow("four reasons configured, names compared with case")
        << FeedbackReport::Answers{reasons({"Q4", "q2", "q3", "Q15", "option_5", "option_6"},
                                           {"Q4", "Q15"}),
                                   "abc",
                                   "def",
                                   "Zu \"langsam\"\n\u00c4rger"}
        << head
               + "\"uninstallCause\":[{\"Q4\":true},{\"q2\":false},{\"q3\":false},"
                 "{\"Q15\":true},{\"option_5\":false},{\"option_6\":false},"
                 "\"Zu \\\"langsam\\\"\\n\xc3\x84rger\"],"
               + tail;
}

void TestFeedbackReport::firstReport()
{
    QFETCH(FeedbackReport::Answers, answers);
    QFETCH(QByteArray, expected);
    QCOMPARE(FeedbackReport::first(demoSuite(), userId, fixedMoment, answers), expected);
}

void TestFeedbackReport::afternoonOnTheTwentyFourHourClock()
{
    const QDateTime moment(QDate(2027, 3, 9), QTime(13, 5, 7));
    QCOMPARE(FeedbackReport::transactionId(moment), QStringLiteral("03092027130507"));
    QVERIFY(FeedbackReport::first(demoSuite(), userId, moment, {})
                .contains("\"tid\":\"03092027130507\",\"time\":\"2027-03-09 13:05:07\""));
}

void TestFeedbackReport::secondReport()
{
    QCOMPARE(FeedbackReport::second(QStringLiteral("12052026013015"), userId, QString()),
             QByteArray("{\"tid\":\"12052026013015\",\"userEmail\":\"\","
                        "\"userId\":\"{0f8fad5b-d9cb-469f-a165-70867728950e}\"}"));
    QCOMPARE(FeedbackReport::second(QStringLiteral("12052026013015"),
                                    QString(),
                                    QStringLiteral("someone@example.com")),
             QByteArray("{\"tid\":\"12052026013015\",\"userEmail\":\"someone@example.com\","
                        "\"userId\":\"\"}"));
}

QTEST_APPLESS_MAIN(TestFeedbackReport)
#include "tst_feedbackreport.moc"
