// The sample product's catalogues: one per language of the form, each holding every text of the
// sources finished, keeping the markup and the %N markers of its source texts; the compiled
// catalogues are found by the host's language switch.
#include "FormLanguages.h"
#include "LmResourceMgr.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString layoutDirection = QStringLiteral("QGuiApplication\nQT_LAYOUT_DIRECTION");

QString translationsDir()
{
    return TestEnvironment::sourceDir() + QStringLiteral("/kit/resources/translations");
}

// "context\nsource" -> translation, one text per plural form; an unfinished one reads as empty.
QMap<QString, QStringList> readCatalogue(const QString &path)
{
    QMap<QString, QStringList> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString key;
    bool numerus = false;
    bool finished = false;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            key = context + QLatin1Char('\n') + xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.insert(key, {});
        }
        if (xml.name() == QLatin1String("numerusform")
            || (xml.name() == QLatin1String("translation") && !numerus)) {
            messages[key] << (finished ? xml.readElementText() : QString());
        }
    }
    if (xml.hasError())
        qWarning() << path << xml.errorString();
    return messages;
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
    void initTestCase();
    void everyLanguageTranslatesEveryText_data();
    void everyLanguageTranslatesEveryText();
    void hostLoadsTheCompiledCatalogue();

private:
    TestEnvironment m_environment;
    QStringList m_sourceTexts;
};

void KitTranslationsTest::initTestCase()
{
    // The texts that the sources hand to the translators, as lupdate finds them.
    QTemporaryDir scratch;
    const QString listed = scratch.filePath(QStringLiteral("sources.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE),
                  {QStringLiteral("-silent"),
                   TestEnvironment::sourceDir() + QStringLiteral("/src"),
                   QStringLiteral("-ts"),
                   listed});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    m_sourceTexts = readCatalogue(listed).keys();
    QVERIFY(m_sourceTexts.size() > 20);
}

void KitTranslationsTest::everyLanguageTranslatesEveryText_data()
{
    QTest::addColumn<QString>("language");
    const QStringList languages = formLanguages();
    QCOMPARE(languages.size(), 23);
    for (const QString &language : languages) {
        if (language != QLatin1String("en"))
            QTest::newRow(qPrintable(language)) << language;
    }
}

void KitTranslationsTest::everyLanguageTranslatesEveryText()
{
    QFETCH(QString, language);
    const QMap<QString, QStringList> catalogue = readCatalogue(
        translationsDir() + QStringLiteral("/uninstall_") + language + QStringLiteral(".ts"));
    for (const QString &text : qAsConst(m_sourceTexts))
        QVERIFY2(!catalogue.value(text).isEmpty(), qPrintable(text));
    for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
        QVERIFY2(!it.value().isEmpty() && !it.value().contains(QString()), qPrintable(it.key()));
        for (const QString &form : it.value()) {
            if (it.key() != layoutDirection)
                QCOMPARE(skeleton(form), skeleton(it.key().section(QLatin1Char('\n'), 1)));
        }
    }
    const bool rightToLeft = language == QLatin1String("ar") || language == QLatin1String("ur");
    QCOMPARE(catalogue.value(layoutDirection, {QStringLiteral("LTR")}),
             QStringList(QLatin1String(rightToLeft ? "RTL" : "LTR")));
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
