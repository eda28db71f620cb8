#include "entry/WizardMain.h"

int runWizard(int, char **)
{
    return 0;
}
