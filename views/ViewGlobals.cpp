#include "ViewGlobals.h"

#include "CoreGlobals.h"
#include "Mainunit.h"
#include "Output.h"
#include "Overskr.h"
#include "Unit6.h"
#include "Unit8.h"

ViewGlobals WindowGlobals;

int32_t& ActiveView = WindowGlobals.ActiveView;
int32_t& ChosenCensusYear = WindowGlobals.ChosenCensusYear;
bool& ChosenCensusYearValid = WindowGlobals.ChosenCensusYearValid;
QString& SavedHeading = WindowGlobals.SavedHeading;

void ResetViewGlobals() {
    ResetCoreGlobals();
    WindowGlobals = ViewGlobals();
    if (Overskrif) Overskrif->ClearHeading();
    ForgetPrinterTextFont();
}
