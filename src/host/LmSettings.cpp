#include "host/LmSettings.h"

#include "host/LmProductInfo.h"

#include <QLocale>
#include <QSettings>

namespace {

const QString languageKey = QStringLiteral("Language");
const QString skinKey = QStringLiteral("Skin");
const QString applicationGroup = QStringLiteral("ApplicationParam/");
const QString installGroup = QStringLiteral("Install/");

} // namespace

LmSettings *LmSettings::instance()
{
    static LmSettings settings;
    return &settings;
}

std::unique_ptr<QSettings> LmSettings::open() const
{
    const LmProductInfo *product = LmProductInfo::instance();
    return std::make_unique<QSettings>(QSettings::IniFormat,
                                       QSettings::UserScope,
                                       product->brand(),
                                       product->productName(QString()));
}

const QStringList &LmSettings::offeredLanguages()
{
    static const QStringList languages = QStringLiteral(
                                             "en de fr it ja es pt zh_CN zh_TW ru tr ar cs da el "
                                             "fi hu nl no pl sv ur ko")
                                             .split(QLatin1Char(' '));
    return languages;
}

// The same language in the same script first (zh_HK reads Traditional), then any of its
// offered variants.
QString LmSettings::nearestOfferedLanguage(const QString &code)
{
    if (code.isEmpty())
        return QString();
    for (const QString &offered : offeredLanguages())
        if (offered.compare(code, Qt::CaseInsensitive) == 0)
            return offered;
    const QLocale wanted(code);
    if (wanted.language() == QLocale::C)
        return QString();
    QString sameLanguage;
    for (const QString &offered : offeredLanguages()) {
        const QLocale locale(offered);
        if (locale.language() != wanted.language())
            continue;
        if (locale.script() == wanted.script())
            return offered;
        if (sameLanguage.isEmpty())
            sameLanguage = offered;
    }
    return sameLanguage;
}

// A code with no offered match (edited by hand, left by another version) would name documents,
// pictures and a catalogue that do not exist: the product's default is taken instead.
QString LmSettings::currentLanguage(const QString &fallback) const
{
    const QString language = nearestOfferedLanguage(open()->value(languageKey).toString());
    return language.isEmpty() ? fallback : language;
}

void LmSettings::setCurrentLanguage(const QString &language)
{
    open()->setValue(languageKey, language);
}

QString LmSettings::currentSkin(const QString &fallback) const
{
    const QString skin = open()->value(skinKey).toString();
    return skin.isEmpty() ? fallback : skin;
}

void LmSettings::setCurrentSkin(const QString &skin)
{
    open()->setValue(skinKey, skin);
}

QVariant LmSettings::applicationParam(const QString &key, const QVariant &defaultValue) const
{
    return open()->value(applicationGroup + key, defaultValue);
}

void LmSettings::setApplicationParam(const QString &key, const QVariant &value)
{
    open()->setValue(applicationGroup + key, value);
}

QString LmSettings::installRecord(const QString &key) const
{
    return open()->value(installGroup + key).toString();
}

void LmSettings::removeInstallRecord(const QString &key)
{
    open()->remove(installGroup + key);
}

QString LmSettings::fileName() const
{
    return open()->fileName();
}
