#pragma once

class QNetworkAccessManager;

/// The host framework: owns the application object and the shared network manager.
class Framework
{
public:
    // Creates the QApplication unless one exists. False when no GUI can be started at all.
    static bool init(int reserved, int argc, char **argv);
    static void uninit();

    // The manager shared on the GUI thread; null outside init()/uninit().
    static QNetworkAccessManager *networkAccessManager();

    static void setAboutIcnShow(bool show);
    static bool isAboutIconShown();
};
