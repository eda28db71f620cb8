// The library's only export: the host uninstaller calls it once with its command line.
#include "entry/WizardMain.h"

extern "C" __attribute__((visibility("default"))) int main_entry(void *, int argc, char **argv)
{
    return runWizard(argc, argv);
}
