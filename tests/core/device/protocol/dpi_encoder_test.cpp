#include "core/device/protocol/dpi_encoder.h"

#include <gtest/gtest.h>

#include <array>

namespace oryn7px {
namespace {

using Levels = std::array<int32_t, kDpiLevelPlaces>;

// Both halves of the table hold the same eight bytes.
DpiTable Twice(std::array<uint8_t, 7> places) {
    DpiTable table{};
    for (size_t half = 0; half < 2; ++half) {
        std::copy(places.begin(), places.end(), table.begin() + half * 8);
        table[half * 8 + 7] = 0x02;
    }
    return table;
}

TEST(DpiEncoder, LevelsTakeTheirPlacesInTheCycle) {
    constexpr uint8_t E = 0xFF;
    struct Case {
        const char* name;
        Levels values;
        Levels places;
        DpiTable table;
    };
    const Levels values = {10, 20, 30, 40, 50, 60, 70};
    const Case cases[] = {
        {"three levels on", values, {0, 1, 2, 255, 255, 255, 255}, Twice({10, 20, 30, E, E, E, E})},
        {"all on, reversed", values, {6, 5, 4, 3, 2, 1, 0}, Twice({70, 60, 50, 40, 30, 20, 10})},
        {"all off", values, {255, 255, 255, 255, 255, 255, 255}, Twice({E, E, E, E, E, E, E})},
        {"places -1, 7 and 255 leave their level out", values, {-1, 7, 255, 0, 1, 2, 3},
         Twice({40, 50, 60, 70, E, E, E})},
        {"a damaged place far outside", values, {0, 1000000, -2147483647 - 1, 1, 2, 3, 4},
         Twice({10, 40, 50, 60, 70, E, E})},
        {"limits 1 and 144", {1, 144, 30, 40, 50, 60, 70}, {0, 1, 255, 255, 255, 255, 255},
         Twice({1, 144, E, E, E, E, E})},
        {"values outside 1..144 are sent as 1", {0, 145, 255, 256, -1, 300, 70}, {0, 1, 2, 3, 4, 5, 6},
         Twice({1, 1, 1, 1, 1, 1, 70})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildDpiTable(c.values, c.places), c.table);
    }
}

TEST(DpiEncoder, TableTravelsInOneReportAfterItsHeader) {
    const DpiTable table = Twice({10, 20, 30, 0xFF, 0xFF, 0xFF, 0xFF});
    const DeviceCommand command = EncodeDpiTable(table);
    EXPECT_EQ(command.feature, (FeatureBytes{0x11, 0x01, 0x07, 0x10, 0x00}));
    EXPECT_EQ(command.data, std::vector<uint8_t>(table.begin(), table.end()));
    EXPECT_EQ(LayoutOf(CommandId::kDpiTable).transfer, DataTransfer::kOneReport);
}

TEST(DpiEncoder, FollowUpCarriesTheLowByte) {
    EXPECT_EQ(EncodeDpiFollowUp(0).feature, (FeatureBytes{0x0B, 0x01, 0x00, 0, 0}));
    EXPECT_EQ(EncodeDpiFollowUp(0x1FF).feature, (FeatureBytes{0x0B, 0x01, 0xFF, 0, 0}));
}

}  // namespace
}  // namespace oryn7px
