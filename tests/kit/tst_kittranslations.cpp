// The sample product's catalogues: translations keep the markup and the %N markers of their
// source texts, and the compiled catalogues are found by the host's language switch.
#include "LmResourceMgr.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QString translationsDir()
{
    return TestEnvironment::sourceDir() + QStringLiteral("/kit/resources/translations");
}

// The %N markers and the HTML tag names of a text, sorted: what a translation must keep.
QStringList skeleton(const QString &text)
{
    QStringList parts;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%\\d|<(/?\\w+)"))
                                             .globalMatch(text);
    while (it.hasNext())
        parts << it.next().captured(0);
    parts.sort();
    return parts;
}

} // namespace

class KitTranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void translationsKeepMarkersAndMarkup_data();
    void translationsKeepMarkersAndMarkup();
    void everyOfferedLanguageHasACatalogue();
    void hostLoadsTheCompiledCatalogue();

private:
    TestEnvironment m_environment;
};

void KitTranslationsTest::translationsKeepMarkersAndMarkup_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("finished");
    const QStringList catalogues = QDir(translationsDir()).entryList({QStringLiteral("*.ts")});
    QVERIFY(!catalogues.isEmpty());
    for (const QString &catalogue : catalogues) {
        QFile file(translationsDir() + QLatin1Char('/') + catalogue);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                const QString row = catalogue + QLatin1Char(' ') + context + QLatin1Char(' ')
                                    + source.left(40);
                QTest::newRow(qPrintable(row)) << source << xml.readElementText() << finished;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(catalogue + QLatin1Char(' ') + xml.errorString()));
    }
}

void KitTranslationsTest::translationsKeepMarkersAndMarkup()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(bool, finished);
    QVERIFY(finished);
    QVERIFY(!translation.isEmpty());
    QCOMPARE(skeleton(translation), skeleton(source));
}

void KitTranslationsTest::everyOfferedLanguageHasACatalogue()
{
    // A language with its own offer pictures is a language the product offers.
    const QDir banners(TestEnvironment::sourceDir()
                       + QStringLiteral("/kit/resources/uninstallConfig/banner_pic"));
    for (const QString &fileName : banners.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const QString language = QFileInfo(fileName).completeBaseName();
        if (language == QLatin1String("en"))
            continue;
        QVERIFY2(QFile::exists(translationsDir() + QStringLiteral("/uninstall_") + language
                               + QStringLiteral(".ts")),
                 qPrintable(language));
    }
}

void KitTranslationsTest::hostLoadsTheCompiledCatalogue()
{
    const QString installed = m_environment.resourceRoot() + QStringLiteral("/translations");
    QVERIFY(QDir().mkpath(installed));
    QVERIFY(QFile::copy(QStringLiteral(KIT_CATALOGUE_DIR "/uninstall_de.qm"),
                        installed + QStringLiteral("/uninstall_de.qm")));

    LmResourceMgr::instance()->setCurrentLanguage(QStringLiteral("de"));
    QCOMPARE(QCoreApplication::translate("QObject", "Uninstall %1"),
             QStringLiteral("%1 deinstallieren"));
    QCOMPARE(QCoreApplication::translate("UnInstallWindow", "Continue"), QStringLiteral("Weiter"));
    QCOMPARE(QCoreApplication::translate("CheckCloseDlg", "Cancel"), QStringLiteral("Abbrechen"));

    LmResourceMgr::instance()->setCurrentLanguage(QStringLiteral("fr"));
    QCOMPARE(QCoreApplication::translate("UnInstallWindow", "Continue"), QStringLiteral("Continue"));
}

QTEST_MAIN(KitTranslationsTest)
#include "tst_kittranslations.moc"
