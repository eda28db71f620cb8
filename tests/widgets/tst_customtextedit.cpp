#include "widgets/CustomTextEdit.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

class TestCustomTextEdit : public QObject
{
    Q_OBJECT

private slots:
    void hintHidesWhileEditingAndReturns();
};

void TestCustomTextEdit::hintHidesWhileEditingAndReturns()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new CustomTextEdit(&window);
    auto *other = new QLineEdit(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    edit->setFocusPolicy(Qt::ClickFocus);
    const QString hint = QStringLiteral("Please leave your suggestions or questions (optional)");
    edit->setPlaceholderText(hint);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::mouseClick(edit->viewport(), Qt::LeftButton);
    QVERIFY(edit->placeholderText().isEmpty());
    QTest::mouseClick(edit->viewport(), Qt::LeftButton); // a second press keeps the saved hint
    QTest::keyClicks(edit, QStringLiteral("slow start"));
    other->setFocus();
    QTRY_COMPARE(edit->placeholderText(), hint);
    QCOMPARE(edit->toPlainText(), QStringLiteral("slow start"));
}

QTEST_MAIN(TestCustomTextEdit)
#include "tst_customtextedit.moc"
