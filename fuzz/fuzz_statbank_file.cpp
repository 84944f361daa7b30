// A file opened as a Statistikbanken table: any bytes give tables or a message.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "StatbankReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const StatbankFile file = ReadStatbankFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (file.Error.empty() == file.Tables.empty()) std::abort();
    for (const StatbankTable& table : file.Tables) {
        if (table.Bands.empty() || table.Bands.front().From != 0 || table.Years.empty()) std::abort();
        for (const StatbankYear& year : table.Years) {
            if (year.Male.size() != table.Bands.size() || year.Female.size() != table.Bands.size()) std::abort();
            if (table.SingleAges) {
                double male[AgeCount];
                double female[AgeCount];
                StatbankSingleAges(table, year, male, female);
            }
        }
        if (DescribeStatbankTable(table).empty()) std::abort();
    }
    return 0;
}
