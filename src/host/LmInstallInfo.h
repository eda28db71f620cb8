#pragma once

/// The installer's registration of the product.
class LmInstallInfo
{
public:
    static void deregisterInstall();
};
