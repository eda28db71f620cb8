#pragma once

#include <QDateTime>
#include <QDir>
#include <QString>

#include <functional>
#include <memory>

class ProcessEnder;

/// What one run works on, read once when the run starts and handed to the window, the loader,
/// the removal and the close dialog: none of them asks the host's singletons for these values.
struct RunContext
{
    // The host's folder: the only installation root, which the removal empties and the close
    // dialog ends processes inside.
    QDir installRoot;
    // The folder the install records name (empty when they name none): a root that is another
    // folder is refused.
    QString recordedInstallPath;
    // The product's resource folder (skins, translations, default documents).
    QString resourceRoot;

    QString productId;
    QString productName;
    QString productVersion;
    QString brand;
    QString guid;
    // The language whose texts, documents, pictures and font are shown.
    QString language;
    // The product asks for a dry run: the pages are shown, nothing is removed or delivered.
    bool testMode = false;

    QString configUrl;
    // Where the upgrade offer's updater is downloaded from (empty: no offer).
    QString updaterUrl;
    // Empty when the product names none or names one that is not http or https.
    QString reportUrl;
    QString purchaseUrl;
    QString afterUninstallUrl;

    // The product's data directory, its picture cache (with a trailing "/") and the place of a
    // downloaded updater.
    QString dataDirectory;
    QString cacheDirectory;
    QString updaterFile;

    // Ends the product's processes for the close dialog and the unattended run.
    std::shared_ptr<ProcessEnder> processEnder;
    // The time the reports are stamped with; a test hands in its own.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

    // The run as the host's product.ini, settings and chosen language describe it.
    static RunContext fromHost();
    // Whether product.ini asks for a dry run; read before a window or context exists.
    static bool productInTestMode();
};
