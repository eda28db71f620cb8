// The sample product's default documents and offer pictures cover every language of the form.
#include "FormLanguages.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QtTest>

class KitDocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offerPicturesFitTheirPlaces_data();
    void offerPicturesFitTheirPlaces();
    void recommendedAppsAreComplete_data();
    void recommendedAppsAreComplete();
    void everyReasonHasAText_data();
    void everyReasonHasAText();

private:
    void addLanguageRows();
    QString configPath(const QString &relativePath) const;
    QJsonObject document(const QString &fileName, const QString &topKey) const;
    static QJsonValue forLanguage(const QJsonObject &byLanguage, const QString &language);

    TestEnvironment m_environment;
    QStringList m_languages;
};

void KitDocumentsTest::initTestCase()
{
    m_languages = formLanguages();
    QCOMPARE(m_languages.size(), 23);
}

void KitDocumentsTest::addLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : qAsConst(m_languages))
        QTest::newRow(qPrintable(language)) << language;
}

QString KitDocumentsTest::configPath(const QString &relativePath) const
{
    return TestEnvironment::sourceDir() + QStringLiteral("/kit/resources/uninstallConfig/")
           + relativePath;
}

QJsonObject KitDocumentsTest::document(const QString &fileName, const QString &topKey) const
{
    QFile file(configPath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << fileName << error.errorString() << error.offset;
    return parsed.object().value(topKey).toObject();
}

QJsonValue KitDocumentsTest::forLanguage(const QJsonObject &byLanguage, const QString &language)
{
    return byLanguage.contains(language) ? byLanguage.value(language)
                                         : byLanguage.value(QStringLiteral("default"));
}

void KitDocumentsTest::offerPicturesFitTheirPlaces_data()
{
    addLanguageRows();
}

void KitDocumentsTest::offerPicturesFitTheirPlaces()
{
    QFETCH(QString, language);
    const QString fileName = language + QStringLiteral(".png");
    QCOMPARE(QImageReader(configPath(QStringLiteral("banner_pic/") + fileName)).size(),
             QSize(857, 70));
    QCOMPARE(QImageReader(configPath(QStringLiteral("promotion_pic/") + fileName)).size(),
             QSize(420, 250));
}

void KitDocumentsTest::recommendedAppsAreComplete_data()
{
    addLanguageRows();
}

void KitDocumentsTest::recommendedAppsAreComplete()
{
    QFETCH(QString, language);
    // The apps document has no fall-back language: each one needs its own list.
    const QJsonArray apps = document(QStringLiteral("recommendApp.json"),
                                     QStringLiteral("recommendApp"))
                                .value(language)
                                .toArray();
    QVERIFY(apps.size() > 4);
    for (const QJsonValue &value : apps) {
        const QJsonObject app = value.toObject();
        const QString name = app.value(QStringLiteral("name")).toString();
        QVERIFY(!name.isEmpty());
        const QString url = app.value(QStringLiteral("url")).toString();
        QVERIFY2(url.startsWith(QLatin1String("https://")), qPrintable(name));
        QVERIFY2(url.endsWith(QStringLiteral("lang=") + language), qPrintable(url));
        QVERIFY2(!app.value(QStringLiteral("pic_url")).toString().isEmpty(), qPrintable(name));
        const QString icon = configPath(QStringLiteral("recAppIcon/"))
                             + app.value(QStringLiteral("icon")).toString();
        QVERIFY2(!QImageReader(icon).read().isNull(), qPrintable(icon));
    }
}

void KitDocumentsTest::everyReasonHasAText_data()
{
    addLanguageRows();
    QTest::newRow("fall-back") << QStringLiteral("default");
}

void KitDocumentsTest::everyReasonHasAText()
{
    QFETCH(QString, language);
    const QJsonArray keys = forLanguage(document(QStringLiteral("uninstallChose.json"),
                                                 QStringLiteral("uninstallChose")),
                                        language)
                                .toArray();
    const QJsonObject texts = forLanguage(document(QStringLiteral("uninstallCause.json"),
                                                   QStringLiteral("uninstallCause")),
                                          language)
                                  .toObject();
    QVERIFY(!keys.isEmpty());
    QVERIFY(keys.size() <= 6);
    QSet<QString> seen;
    for (const QJsonValue &key : keys) {
        QVERIFY2(!seen.contains(key.toString()), qPrintable(key.toString()));
        seen.insert(key.toString());
        QVERIFY2(!texts.value(key.toString()).toString().isEmpty(), qPrintable(key.toString()));
    }
}

QTEST_MAIN(KitDocumentsTest)
#include "tst_kitdocuments.moc"
