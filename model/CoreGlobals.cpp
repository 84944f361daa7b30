#include "CoreGlobals.h"

#include "AgeInterval.h"
#include "Lifetime.h"
#include "Lys_erkl.h"
#include "ProjectionCommands.h"
#include "StatbankImports.h"

CoreGlobals Globals;

int32_t& IntervalFrom = Globals.IntervalFrom;
int32_t& IntervalTo = Globals.IntervalTo;
std::string& BaseIntervalLine = Globals.BaseIntervalLine;
std::string& TargetIntervalLine = Globals.TargetIntervalLine;

void ResetCoreGlobals() {
    State = ModelState();
    LoadAllData();
    ForgetStatbankImports();
    Lifetime = LifetimeState();
    ProjectionCommands = ProjectionCommandState();
    Globals = CoreGlobals();
}
