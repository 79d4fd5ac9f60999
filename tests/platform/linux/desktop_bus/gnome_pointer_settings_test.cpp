#include "platform/linux/gnome_pointer_settings.h"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "private_bus.h"

namespace oryn7px {
namespace {

constexpr const char* kSchema = "org.gnome.desktop.peripherals.mouse";

bool SchemaInstalled() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, kSchema, TRUE) : nullptr;
    if (schema) g_settings_schema_unref(schema);
    return schema != nullptr;
}

// What `gsettings get` prints for the key, read by a process of its own.
std::string ReadBack(const char* key) {
    const gchar* argv[] = {"gsettings", "get", kSchema, key, nullptr};
    gchar* out = nullptr;
    gint status = 0;
    if (!g_spawn_sync(nullptr, const_cast<gchar**>(argv), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, &out,
                      nullptr, &status, nullptr)) {
        return "gsettings could not run";
    }
    std::string text = out;
    g_free(out);
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

class GnomePointerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PrivateBusFailure().empty()) GTEST_SKIP() << PrivateBusFailure();
        if (!SchemaInstalled()) GTEST_SKIP() << kSchema << " is not installed (package gsettings-desktop-schemas)";
    }

    std::vector<std::string> notices;
    GnomePointerSettings settings{[this](const std::string& notice) { notices.push_back(notice); }};
};

TEST_F(GnomePointerSettingsTest, SpeedIsStoredOnLibinputsScale) {
    const struct {
        int32_t speed;
        double stored;
    } cases[] = {{1, -1.0}, {10, -1.0 / 19.0}, {20, 1.0}, {0, -1.0}};
    for (const auto& c : cases) {
        ASSERT_TRUE(settings.SetPointerSpeed(c.speed)) << c.speed;
        const std::string stored = ReadBack("speed");
        EXPECT_NEAR(std::stod(stored), c.stored, 1e-9) << "speed " << c.speed << " stored as " << stored;
    }
    EXPECT_TRUE(notices.empty());
}

TEST_F(GnomePointerSettingsTest, PrecisionChoosesTheAccelerationProfile) {
    EXPECT_TRUE(settings.SetEnhancePrecision(false));
    EXPECT_EQ(ReadBack("accel-profile"), "'flat'");
    EXPECT_TRUE(settings.SetEnhancePrecision(true));
    EXPECT_EQ(ReadBack("accel-profile"), "'adaptive'");
}

TEST_F(GnomePointerSettingsTest, WheelLinesHaveNoKey) {
    const PointerSupport support = settings.Support();
    EXPECT_TRUE(support.precision);
    EXPECT_TRUE(support.speed);
    EXPECT_FALSE(support.wheelLines);
    EXPECT_FALSE(settings.SetWheelLines(3));
    EXPECT_TRUE(notices.empty());
}

// The statement runs in a fresh process (see main), so GIO first reads the environment it sets.
// It prints what the backend answered; the process must end normally, not by GLib's abort.
void ReportRefusals() {
    std::vector<std::string> notices;
    GnomePointerSettings settings([&](const std::string& notice) { notices.push_back(notice); });
    const bool speed = settings.SetPointerSpeed(5);
    const bool precision = settings.SetEnhancePrecision(true);
    std::fprintf(stderr, "speed=%d precision=%d support=%d notices=%zu (%s)\n", speed, precision,
                 settings.Support().Any(), notices.size(), notices.empty() ? "" : notices.front().c_str());
    std::fflush(stderr);
    _exit(0);
}

TEST(GnomePointerSettingsDeathTest, WithoutTheSchemaEveryCallIsRefusedOnce) {
    if (!PrivateBusFailure().empty()) GTEST_SKIP() << PrivateBusFailure();
    const std::filesystem::path empty = std::filesystem::path(getenv("HOME")) / "no-schemas";
    std::filesystem::create_directories(empty);
    EXPECT_EXIT(
        {
            setenv("XDG_DATA_DIRS", empty.c_str(), 1);
            setenv("XDG_DATA_HOME", empty.c_str(), 1);
            unsetenv("GSETTINGS_SCHEMA_DIR");
            ReportRefusals();
        },
        ::testing::ExitedWithCode(0), "speed=0 precision=0 support=0 notices=1 \\(.*schema.* is not installed");
}

TEST(GnomePointerSettingsDeathTest, WithoutASettingsStoreEveryCallIsRefused) {
    if (!PrivateBusFailure().empty()) GTEST_SKIP() << PrivateBusFailure();
    if (!SchemaInstalled()) GTEST_SKIP() << kSchema << " is not installed (package gsettings-desktop-schemas)";
    EXPECT_EXIT(
        {
            setenv("GSETTINGS_BACKEND", "memory", 1);
            ReportRefusals();
        },
        ::testing::ExitedWithCode(0), "speed=0 precision=0 support=0 notices=1 \\(.*no settings store");
}

}  // namespace
}  // namespace oryn7px
