#include "core/app/doctor.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace oryn7px {
namespace {

// A machine where everything works: the mouse plugged in with the rule, an X11 session.
DoctorFacts Working() {
    DoctorFacts facts;
    facts.mouseNode = "/dev/hidraw3";
    facts.mouseOpenable = true;
    facts.udevRuleFile = "/usr/lib/udev/rules.d/70-oryn7px.rules";
    facts.udevRuleCurrent = true;
    facts.session = SessionType::kX11;
    facts.input = {InputMode::kX11, InputProblem::kNone, {}, false};
    facts.uinputWritable = false;
    facts.uinputError = "No such file or directory";
    facts.pointer = PointerBackend::kX11;
    facts.tray = true;
    facts.foreground = {ForegroundTrackerKind::kX11, NoForegroundReason::kNone};
    return facts;
}

const DoctorCheck& Find(const DoctorReport& report, const std::string& key) {
    for (const DoctorCheck& check : report.checks) {
        if (check.key == key) return check;
    }
    throw std::out_of_range(key);
}

TEST(Doctor, EveryCheckInItsOrderWithTheKindsTheJsonCarries) {
    const DoctorReport report = EvaluateDoctor(Working());
    std::vector<std::string> keys;
    for (const DoctorCheck& check : report.checks) keys.push_back(check.key);
    EXPECT_EQ(keys, (std::vector<std::string>{"mouse", "hidraw_access", "udev_rule", "session", "input", "uinput",
                                              "pointer_settings", "tray", "foreground"}));
    EXPECT_EQ(Find(report, "session").kind, "x11");
    EXPECT_EQ(Find(report, "input").kind, "x11");
    EXPECT_EQ(Find(report, "pointer_settings").kind, "x11");
    EXPECT_EQ(Find(report, "foreground").kind, "x11");
    // uinput only matters on Wayland.
    EXPECT_TRUE(Find(report, "uinput").ok);
    EXPECT_TRUE(report.AllNeededWork());
}

struct Case {
    const char* name;
    std::function<void(DoctorFacts&)> change;
    const char* failingKey;
    bool exitOk;
    const char* detailPart;  // what the failing line tells the user
};

TEST(Doctor, WhatFailsSaysWhatToDoAndDecidesTheExitStatus) {
    const Case cases[] = {
        {"mouse unplugged", [](DoctorFacts& f) { f.mouseNode.clear(); }, "mouse", false, "plug it in"},
        {"in firmware-update mode",
         [](DoctorFacts& f) {
             f.mouseNode.clear();
             f.bootloaderNode = "/dev/hidraw5";
             f.bootloaderOpenable = true;
         },
         "mouse", false, "firmware-update mode"},
        {"node root-only", [](DoctorFacts& f) { f.mouseOpenable = false; }, "hidraw_access", false, "70-oryn7px.rules"},
        {"no rule, but access anyway (root)",
         [](DoctorFacts& f) {
             f.udevRuleFile.clear();
             f.runningAsRoot = true;
         },
         "udev_rule", true, "root needs none"},
        {"an older rule", [](DoctorFacts& f) { f.udevRuleCurrent = false; }, "udev_rule", true, "older version"},
        {"wayland without the mouse's nodes",
         [](DoctorFacts& f) {
             f.session = SessionType::kWayland;
             f.input = {InputMode::kNone, InputProblem::kMouseNodesMissing, {}, false};
             f.pointer = PointerBackend::kGnome;
         },
         "input", false, "plug the mouse in"},
        {"wayland without uinput",
         [](DoctorFacts& f) {
             f.session = SessionType::kWayland;
             f.input = {InputMode::kEvdevObserve, InputProblem::kUinputUnavailable, "Permission denied", false};
             f.pointer = PointerBackend::kKde;
         },
         "uinput", false, "modprobe uinput"},
        {"a desktop without pointer settings", [](DoctorFacts& f) { f.pointer = PointerBackend::kNone; },
         "pointer_settings", false, "desktop's own settings"},
        {"no tray", [](DoctorFacts& f) { f.tray = false; }, "tray", true, "minimises"},
        {"GNOME on Wayland: no program tells the window in front",
         [](DoctorFacts& f) {
             f.session = SessionType::kWayland;
             f.input = {InputMode::kEvdev, InputProblem::kNone, {}, false};
             f.pointer = PointerBackend::kGnome;
             f.uinputWritable = true;
             f.foreground = {ForegroundTrackerKind::kNone, NoForegroundReason::kGnomeWayland};
         },
         "foreground", true, "not on GNOME (needs a Shell extension)"},
        {"a Wayland compositor without the window list",
         [](DoctorFacts& f) { f.foreground = {ForegroundTrackerKind::kNone, NoForegroundReason::kNoToplevelList}; },
         "foreground", true, "not on this Wayland compositor"},
        {"no session: the command line is all that runs",
         [](DoctorFacts& f) {
             f.session = SessionType::kNone;
             f.input = {InputMode::kNone, InputProblem::kNoSession, {}, false};
             f.pointer = PointerBackend::kNone;
             f.tray.reset();
         },
         "session", true, "no desktop session"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DoctorFacts facts = Working();
        c.change(facts);
        const DoctorReport report = EvaluateDoctor(facts);
        const DoctorCheck& failing = Find(report, c.failingKey);
        EXPECT_FALSE(failing.ok);
        EXPECT_NE(failing.detail.find(c.detailPart), std::string::npos) << failing.detail;
        EXPECT_EQ(report.AllNeededWork(), c.exitOk);
    }
}

// Each desktop's line names its tracker, as the JSON's "tracker" field does.
TEST(Doctor, TheForegroundLineNamesEachDesktopsTracker) {
    const struct {
        ForegroundTrackerKind kind;
        const char* name;
        const char* detailPart;
    } cases[] = {
        {ForegroundTrackerKind::kX11, "x11", "X11"},
        {ForegroundTrackerKind::kKWin, "kwin", "KWin script"},
        {ForegroundTrackerKind::kWlroots, "wlroots", "Sway, Hyprland"},
    };
    for (const auto& c : cases) {
        DoctorFacts facts = Working();
        facts.foreground = {c.kind, NoForegroundReason::kNone};
        const DoctorReport report = EvaluateDoctor(facts);
        const DoctorCheck& line = Find(report, "foreground");
        EXPECT_TRUE(line.ok) << c.name;
        EXPECT_EQ(line.kind, c.name);
        EXPECT_EQ(line.title, "Profiles that follow the program");
        EXPECT_NE(line.detail.find(c.detailPart), std::string::npos) << line.detail;
    }
}

}  // namespace
}  // namespace oryn7px
