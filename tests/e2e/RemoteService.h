// A configuration service on loopback: the configuration, the three documents it names and the
// images, each answer replaceable by a test; and the installed default documents.
#pragma once

#include "HttpTestServer.h"
#include "SelfSignedCertificate.h"
#include "TestEnvironment.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class RemoteService : public HttpTestServer
{
public:
    explicit RemoteService(const SelfSignedCertificate *tls = nullptr)
    {
        if (tls)
            useTls(tls->certificate, tls->key);
        m_config = QJsonObject{{"version", "v1"},
                               {"recommendApp", url("/apps").toString()},
                               {"uninstallChose", url("/chose").toString()},
                               {"uninstallCause", url("/cause").toString()}};
        takeImagesFrom(*this);
        setResponse("/chose", answer(200, reasonsDocument));
        setResponse("/cause", answer(200, reasonTextsDocument));
        for (const QString &path : imagePaths())
            setResponse(path, answer(200, image(path), "image/png"));
    }

    static inline const QByteArray reasonsDocument = R"({"uninstallCuaseCheck": true, "users": "2M",
             "uninstallChose": {"en": ["slow", "price"], "default": ["other"]}})";
    static inline const QByteArray reasonTextsDocument = R"({"uninstallCause": {
        "en": {"slow": "Too slow", "price": "Too expensive", "unused": "-"},
        "default": {"other": "Other"}}})";

    // What the window receives from these documents, as LoaderTranscript writes it.
    static inline const QString remoteApps = QStringLiteral(
        "recAppEmit a.png|Alpha|https://a.example, b.png|Beta|https://b.example");
    static inline const QString remoteReasons = QStringLiteral(
        "uninstallCauseEmit check=true users=2M keys=slow,price "
        "texts=price:Too expensive,slow:Too slow,unused:-");
    // ... and from the installed defaults that writeDefaultDocuments() writes.
    static inline const QStringList
        defaults{"recAppEmit d.png|Default|https://d.example",
                 "uninstallCauseEmit check=false users=9 keys=slow texts=slow:Too slow",
                 "downLoadResEmit"};

    // In download order: banner, promotion, the two icons.
    static QStringList imagePaths()
    {
        return {"/img/banner_en.png", "/img/promotion_en.png", "/icons/a", "/icons/b"};
    }
    static QStringList cachedNames()
    {
        return {"a.png", "b.png", "banner_pic_en.png", "promotion_pic_en.png"};
    }
    // A small PNG of its own for each path (or for "earlier run").
    static QByteArray image(const QString &path, QSize size = QSize(2, 2))
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(QColor::fromRgb(qHash(path) & 0xffffff));
        picture.setText("path", path);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        return buffer.data();
    }

    // A small PNG whose header claims 100000 x 100000 pixels.
    static QByteArray hugeImage()
    {
        QByteArray png = RemoteService::image("huge");
        const char side[] = {0, 1, char(0x86), char(0xa0)};
        png.replace(16, 4, side, 4).replace(20, 4, side, 4);
        quint32 crc = 0xffffffff;
        for (int i = 12; i < 29; ++i) {
            crc ^= quint8(png[i]);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xedb88320 & (0u - (crc & 1)));
        }
        crc = ~crc;
        for (int i = 0; i < 4; ++i)
            png[29 + i] = char(crc >> (24 - 8 * i));
        return png;
    }

    static QByteArray appsDocument(const QJsonArray &apps)
    {
        const QJsonObject languages{{"en", apps}, {"de", QJsonArray{}}};
        return QJsonDocument(QJsonObject{{"recommendApp", languages}}).toJson();
    }

    QString configUrl() const { return url("/config").toString(); }

    void setConfigValue(const QString &key, const QString &value)
    {
        m_config.insert(key, value);
        setResponse("/config", answer(200, QJsonDocument(m_config).toJson()));
    }

    // The configuration names the other service's documents instead of this one's.
    void takeDocumentsFrom(const HttpTestServer &other)
    {
        setConfigValue("recommendApp", other.url("/apps").toString());
        setConfigValue("uninstallChose", other.url("/chose").toString());
        setConfigValue("uninstallCause", other.url("/cause").toString());
    }

    // The configuration and the recommended apps name the other service's images.
    void takeImagesFrom(const HttpTestServer &images)
    {
        setConfigValue("banner_pic", images.url("/img/banner_").toString());
        setConfigValue("promotion_pic", images.url("/img/promotion_").toString());
        const QJsonArray apps{QJsonObject{{"icon", "a.png"},
                                          {"name", "Alpha"},
                                          {"url", "https://a.example"},
                                          {"pic_url", images.url("/icons/a").toString()}},
                              QJsonObject{{"icon", "b.png"},
                                          {"name", "Beta"},
                                          {"url", "https://b.example"},
                                          {"pic_url", images.url("/icons/b").toString()}}};
        m_appsDocument = appsDocument(apps);
        setResponse("/apps", answer(200, m_appsDocument));
    }

    QByteArray recommendedAppsDocument() const { return m_appsDocument; }

    // The entries of paths that are in subset, in the order they were requested.
    static QStringList picked(const QStringList &paths, const QStringList &subset)
    {
        QStringList result;
        for (const QString &path : paths) {
            if (subset.contains(path))
                result << path;
        }
        return result;
    }

    static void writeDefaultDocuments(TestEnvironment &env)
    {
        env.writeFile(
            "resources/uninstallConfig/recommendApp.json",
            R"({"recommendApp": {"en": [{"icon": "d.png", "name": "Default", "url": "https://d.example"}]}})");
        env.writeFile("resources/uninstallConfig/uninstallChose.json",
                      R"({"users": "9", "uninstallChose": {"default": ["slow"]}})");
        env.writeFile("resources/uninstallConfig/uninstallCause.json",
                      R"({"uninstallCause": {"en": {"slow": "Too slow"}}})");
    }

private:
    QJsonObject m_config;
    QByteArray m_appsDocument;
};
