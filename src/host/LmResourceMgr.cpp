#include "host/LmResourceMgr.h"

#include "host/LmProductInfo.h"
#include "host/LmSettings.h"
#include "host/Utility.h"
#include "platform/BoundedFile.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTranslator>

namespace {

// Written by the kit's build beside the catalogues, one "<sha256 hex>  <file name>" a line.
const QString manifestName = QStringLiteral("catalogues.sha256");

QByteArray readSmallFile(const QString &path, std::size_t maxBytes)
{
    std::string content;
    const std::string name = path.toStdString();
    if (platform::readRegularFile(name, maxBytes, content) != platform::FileRead::Read)
        return QByteArray();
    return QByteArray::fromStdString(content);
}

QByteArray listedSha256(const QByteArray &manifest, const QString &fileName)
{
    const QByteArray suffix = "  " + fileName.toUtf8();
    for (const QByteArray &line : manifest.split('\n')) {
        if (line.size() == 64 + suffix.size() && line.endsWith(suffix))
            return line.left(64).toLower();
    }
    return QByteArray();
}

} // namespace

LmResourceMgr::LmResourceMgr() = default;
LmResourceMgr::~LmResourceMgr() = default;

LmResourceMgr *LmResourceMgr::instance()
{
    static LmResourceMgr manager;
    return &manager;
}

QString LmResourceMgr::productResourceRoot() const
{
    return LmProductInfo::instance()->resourceRoot();
}

QString LmResourceMgr::skinDirectory(const QString &name) const
{
    return productResourceRoot() + QStringLiteral("/skins/") + name;
}

void LmResourceMgr::setCurrentSkin(const QString &name)
{
    const QString directory = skinDirectory(name);
    QFile styleSheet(directory + QStringLiteral("/uninstall.qss"));
    if (!styleSheet.open(QIODevice::ReadOnly))
        return;
    QDir::setSearchPaths(QStringLiteral("skin"), {directory});
    qApp->setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
}

void LmResourceMgr::setCurrentLanguage(const QString &language)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    m_catalogue.clear();
    m_language = QStringLiteral("en");
    // English is the source language: it needs no catalogue.
    if (language == m_language)
        return;
    const QString directory = productResourceRoot() + QStringLiteral("/translations/");
    const QString fileName = QStringLiteral("uninstall_") + language + QStringLiteral(".qm");
    m_catalogue = readSmallFile(directory + fileName, 4 << 20);
    const QByteArray sha256 = QCryptographicHash::hash(m_catalogue, QCryptographicHash::Sha256);
    const QByteArray listed = listedSha256(readSmallFile(directory + manifestName, 64 << 10),
                                           fileName);
    auto translator = std::make_unique<QTranslator>();
    // A damaged catalogue can crash the translator later: only the kit's own bytes are loaded.
    if (m_catalogue.isEmpty() || sha256.toHex() != listed
        || !translator->load(reinterpret_cast<const uchar *>(m_catalogue.constData()),
                             m_catalogue.size())) {
        m_catalogue.clear();
        Log("error",
            1,
            QStringLiteral("no proven catalogue for the language ") + language
                + QStringLiteral(", English texts shown"));
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    m_language = language;
}

QString LmResourceMgr::shownLanguage() const
{
    if (!m_language.isEmpty())
        return m_language;
    return LmSettings::instance()->currentLanguage(LmProductInfo::instance()->defaultLanguage());
}

QString LmResourceMgr::applicationIconPath()
{
    return instance()->productResourceRoot() + QStringLiteral("/icon.png");
}

double LmResourceMgr::getZoomDPI()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : getBaseZoomDPI();
}

double LmResourceMgr::getBaseZoomDPI()
{
    return 96.0;
}
