// The three fixed tables of historical facts shown in the census view: what
// the censuses alone cannot show. Each line is UTF-8 and aligned with blanks
// for a fixed-pitch font; a blank line is a single blank, and every table
// starts with one.
#pragma once

#include <string>
#include <vector>

const std::vector<std::string>& LifeExpectancyLines();
const std::vector<std::string>& MortalityLines();
const std::vector<std::string>& FertilityLines();
