// The sample product's default skin: it parses, and every picture it names can be read through
// the "skin:" search path that the host sets up.
#include "LmResourceMgr.h"
#include "TestEnvironment.h"

#include <QFile>
#include <QImageReader>
#include <QMovie>
#include <QRegularExpression>
#include <QWidget>
#include <QtTest>

namespace {

QStringList collectedWarnings;

void collectWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg)
        collectedWarnings << message;
}

} // namespace

class KitSkinTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void styleSheetParses();
    void picturesCanBeRead_data();
    void picturesCanBeRead();
    void loadingAnimationPlays();
    void propertyListsCoverEveryStyledText();

private:
    QString property(const QString &name) const;

    TestEnvironment m_environment;
    QString m_styleSheet;
};

void KitSkinTest::initTestCase()
{
    m_environment.installKitResources();
    LmResourceMgr::instance()->setCurrentSkin(QStringLiteral("default"));
    m_styleSheet = qApp->styleSheet();
    QVERIFY(!m_styleSheet.isEmpty());
}

QString KitSkinTest::property(const QString &name) const
{
    const QRegularExpression declaration(QStringLiteral("qproperty-") + name
                                         + QStringLiteral("\\s*:\\s*\"?([^\";]*)\"?\\s*;"));
    return declaration.match(m_styleSheet).captured(1);
}

void KitSkinTest::styleSheetParses()
{
    collectedWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarning);
    QWidget window;
    window.setObjectName(QStringLiteral("UnInstallWindow"));
    window.ensurePolished();
    qInstallMessageHandler(previous);
    QCOMPARE(collectedWarnings, QStringList());
}

void KitSkinTest::picturesCanBeRead_data()
{
    QTest::addColumn<QString>("path");
    QRegularExpressionMatchIterator urls = QRegularExpression(QStringLiteral("url\\(([^)]+)\\)"))
                                               .globalMatch(m_styleSheet);
    while (urls.hasNext()) {
        const QString path = urls.next().captured(1);
        QTest::newRow(qPrintable(path)) << path;
    }
    const QString skinPath = property(QStringLiteral("SkinPath"));
    for (const QString &tile : property(QStringLiteral("FrameRecBg")).split(QLatin1Char('*')))
        QTest::newRow(qPrintable(QStringLiteral("tile ") + tile)) << skinPath + tile;
}

void KitSkinTest::picturesCanBeRead()
{
    QFETCH(QString, path);
    QImageReader reader(path);
    QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
}

void KitSkinTest::loadingAnimationPlays()
{
    QMovie movie(property(QStringLiteral("loadingLab")));
    QVERIFY(movie.isValid());
    QVERIFY(movie.frameCount() > 1);
}

void KitSkinTest::propertyListsCoverEveryStyledText()
{
    // Entry 0 styles the offer, 1 the users figure, 2 (weight) the finish headline.
    QVERIFY(property(QStringLiteral("textColor")).split(QLatin1Char('*')).size() >= 2);
    QVERIFY(property(QStringLiteral("textWeight")).split(QLatin1Char('*')).size() >= 3);
    QVERIFY(!property(QStringLiteral("lineHeight")).isEmpty());
    QVERIFY(property(QStringLiteral("editTextHeight")).toInt() > 0);
}

QTEST_MAIN(KitSkinTest)
#include "tst_kitskin.moc"
