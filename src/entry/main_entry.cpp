// The library's only export: the host uninstaller calls it once with its command line.
#include "entry/WizardMain.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int main_entry(void *, int argc, char **argv)
{
    return runWizard(argc, argv);
}
