#pragma once

class QString;
struct RunContext;

/// An uninstall without a window or questions, for software deployment tools: ends the product,
/// removes its files and install records, and names each step on standard output.
class SilentUninstall
{
public:
    // Whether an argument after the start switch asks for it.
    static bool isRequested(int argc, char **argv);

    // Runs on the calling thread without a display; 512 when the removal ran, 0 when refused
    // (the reason on standard error, nothing removed).
    static int run(int argc, char **argv);

private:
    static int uninstall(const RunContext &run);
    static bool closeProduct(const RunContext &run);
    static int refuse(const QString &reason);
};
