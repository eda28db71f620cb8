#include "host/LmResourceMgr.h"

#include "host/LmProductInfo.h"
#include "host/Utility.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTranslator>

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
    // The catalogue is read into memory: QTranslator would map the file, and Windows deletes no
    // file that is mapped. As QTranslator does, "uninstall_zh_TW" falls back to "uninstall_zh".
    const QString directory = productResourceRoot() + QStringLiteral("/translations/");
    QString code = language;
    QFile file(directory + QStringLiteral("uninstall_") + code + QStringLiteral(".qm"));
    while (!file.open(QIODevice::ReadOnly) && code.contains(QLatin1Char('_'))) {
        code.truncate(code.lastIndexOf(QLatin1Char('_')));
        file.setFileName(directory + QStringLiteral("uninstall_") + code + QStringLiteral(".qm"));
    }
    m_catalogue = file.isOpen() ? file.readAll() : QByteArray();
    auto translator = std::make_unique<QTranslator>();
    if (m_catalogue.isEmpty()
        || !translator->load(reinterpret_cast<const uchar *>(m_catalogue.constData()),
                             m_catalogue.size(),
                             directory)) {
        // English is the source language: it needs no catalogue.
        if (language != QLatin1String("en"))
            Log("error",
                1,
                QStringLiteral("no usable catalogue for the language ") + language
                    + QStringLiteral(", English texts shown"));
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
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
