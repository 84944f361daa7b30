#include "CoreGlobals.h"

#include "AgeGroupCommands.h"
#include "AgeInterval.h"
#include "CensusCommands.h"
#include "Lifetime.h"
#include "LifetimeCommands.h"
#include "Lys_erkl.h"
#include "OutputCommands.h"
#include "ProjectionCommands.h"
#include "StatbankImports.h"

CoreGlobals Globals;

int32_t& IntervalFrom = Globals.IntervalFrom;
int32_t& IntervalTo = Globals.IntervalTo;
std::string& BaseIntervalLine = Globals.BaseIntervalLine;
std::string& TargetIntervalLine = Globals.TargetIntervalLine;
int32_t (&YearList)[YearListSize + 1] = Globals.YearList;
int32_t& YearListCount = Globals.YearListCount;
int32_t& HistoricalLineCount = Globals.HistoricalLineCount;

void ResetCoreGlobals() {
    State = ModelState();
    LoadAllData();
    ForgetStatbankImports();
    Lifetime = LifetimeState();
    ProjectionCommands = ProjectionCommandState();
    CensusCommands = CensusCommandState();
    LifetimeCommands = LifetimeCommandState();
    Heading = HeadingDialogState();
    Globals = CoreGlobals();
}
