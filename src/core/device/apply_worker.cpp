#include "core/device/apply_worker.h"

#include <algorithm>
#include <array>

#include "core/base/bytes.h"
#include "core/base/messages.h"
#include "core/device/apply_pointer_settings.h"
#include "core/device/button_codes.h"
#include "core/device/hook_codes.h"
#include "core/device/input_hooks.h"
#include "core/device/log_stream.h"
#include "core/device/usb_driver.h"
#include "core/settings/macro_library.h"

namespace oryn7px {

namespace {

constexpr uint32_t kPauseAfterStepMs = 50;
constexpr uint32_t kPauseAfterBlockMs = 1500;
constexpr uint32_t kPauseBeforeDoneMs = 300;
constexpr uint32_t kMaxMacroSlot = 7;
constexpr int32_t kLightModeColorCycle = 5;
constexpr uint8_t kDpiUnused = 0xFF;

uint32_t ColorValue(const LightColorBytes& color) {
    return color.red | (static_cast<uint32_t>(color.green) << 8) | (static_cast<uint32_t>(color.blue) << 16);
}

std::array<uint8_t, 16> DpiTable(const ProfileData& profile) {
    std::array<uint8_t, 16> table{};
    table.fill(kDpiUnused);
    for (int level = 0; level < kDpiLevelCount; ++level) {
        const int32_t position = profile.nDpiOrder[level];
        // Positions outside the seven places (a damaged file) are left out.
        if (position >= 0 && position < kDpiLevelCount) table[static_cast<std::size_t>(position)] =
            static_cast<uint8_t>(profile.nDpiValue[level]);
    }
    table[7] = 0x02;
    std::copy_n(table.begin(), 8, table.begin() + 8);
    return table;
}

}  // namespace

std::u16string_view ApplyFailureText(intptr_t code) {
    static constexpr std::u16string_view kTexts[] = {
        u"write mousekey metix fail.\n",   u"Write mouse LED color failed.\n",
        u"Write mouse effect failed.\n",   u"Write LED color123 failed.\n",
        u"Write mouse touch failed.\n",    u"Write mouse DPI failed.\n",
        u"Write mouse report rate failed.\n",
    };
    return code >= 0 && code < static_cast<intptr_t>(std::size(kTexts)) ? kTexts[code] : std::u16string_view();
}

ApplyWorker::~ApplyWorker() {
    Stop();
    if (thread_.joinable()) thread_.join();
}

void ApplyWorker::Start() {
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
}

void ApplyWorker::Stop() {
    links_.shared.bWorkerRun = 0;
    links_.shared.hApplyEvent.Set();
}

void ApplyWorker::RequestFirmwareVersion() {
    links_.shared.mailbox.RequestFirmwareVersion();
    links_.shared.hApplyEvent.Set();
}

void ApplyWorker::Run() {
    ApplyShared& shared = links_.shared;
    for (;;) {
        shared.hApplyEvent.Wait();
        if (!shared.bWorkerRun) return;
        // Reset before taking: a request put after this point sets the event again.
        shared.hApplyEvent.Reset();
        if (shared.mailbox.TakeFirmwareVersionRequest()) ReadFirmwareVersion();
        if (auto request = shared.mailbox.TakeRequest()) RunPass(std::move(request));
    }
}

void ApplyWorker::ReadFirmwareVersion() {
    uint32_t version = 0;
    const bool read = links_.driver.ReadFirmwareVersion(&version);
    links_.mainWindow.Post({UM_FIRMWARE_VERSION, read ? version : 0u, 0});
}

std::optional<int32_t> ApplyWorker::RunPass(std::unique_ptr<ApplySnapshot> snapshot) {
    if (!snapshot) return std::nullopt;
    ApplyShared& shared = links_.shared;
    if (links_.applyButton) links_.applyButton->SetApplyButtonEnabled(false);
    shared.deviceState.BeginWrite();
    links_.clock.SleepMs(kPauseAfterStepMs);

    const std::optional<int32_t> failure = WriteProfile(*snapshot);
    if (failure) {
        // Told before the failure: the removal notice of a mouse that left may come after it.
        shared.deviceState.RecordWriteOutcome(!MouseAnswers());
        links_.mainWindow.Post({UM_APPLY_FAILED, 0, *failure});
    } else {
        shared.mailbox.PutWritten(std::move(snapshot));
        links_.mainWindow.Post({UM_APPLY_DONE, 0, 0});
    }

    links_.progressWindow.Post({WM_CLOSE, 0, 0});
    if (links_.log) links_.log->Close();
    if (links_.applyButton) links_.applyButton->SetApplyButtonEnabled(true);
    shared.deviceState.EndWrite();
    return failure;
}

bool ApplyWorker::MouseAnswers() {
    uint32_t version = 0;
    return links_.driver.ReadFirmwareVersion(&version);
}

std::optional<int32_t> ApplyWorker::WriteProfile(const ApplySnapshot& snapshot) {
    const ProfileData& profile = snapshot.profile;
    CUSBDriver& driver = links_.driver;

    if (auto failure = WriteButtons(snapshot)) return failure;
    links_.clock.SleepMs(kPauseAfterBlockMs);
    Progress(60);

    if (auto failure = WriteLighting(profile)) return failure;
    Progress(70);
    if (!driver.WriteTouch(static_cast<uint32_t>(profile.nTouchMode), static_cast<uint32_t>(profile.nLightMode))) {
        return kApplyFailTouch;
    }
    Progress(75);
    const auto dpi = DpiTable(profile);
    if (!driver.WriteDpiTable(dpi.data(), dpi.size())) return kApplyFailDpi;
    driver.WriteCommand0B(0);
    Progress(80);

    ApplyPointerSettings(links_.pointer, profile);
    Progress(90);
    if (!driver.WriteReportRate(static_cast<uint32_t>(profile.nReportRate))) return kApplyFailReportRate;
    Progress(100);
    links_.clock.SleepMs(kPauseBeforeDoneMs);
    return std::nullopt;
}

std::optional<int32_t> ApplyWorker::WriteButtons(const ApplySnapshot& snapshot) {
    std::array<uint32_t, kKeyMatrixSlots> matrix{};
    uint32_t macroSlot = 1;

    for (int i = 0; i < kButtonCount; ++i) {
        const bool hooked = i < static_cast<int>(kHookButtonCode.size());
        if (hooked && links_.hooks) links_.hooks->ReleaseButton(kHookButtonCode[static_cast<std::size_t>(i)]);
        Progress(static_cast<uintptr_t>(7 * i));

        const ButtonSetting& button = snapshot.profile.Buttons[i];
        const uint32_t defaultCode = kDefaultButtonCode[static_cast<std::size_t>(i)];
        std::optional<uint32_t> code;
        if (button.nFunction == kFunctionKey) {
            code = button.dwKeyValue;
        } else if (button.nFunction == kFunctionMacro) {
            // A macro that is missing, too long or beyond the mouse's slots leaves the button its ordinary job.
            code = defaultCode;
            const std::optional<MacroEntry>& macro = snapshot.macros[static_cast<std::size_t>(i)];
            if (macro && IsMacroEntryUsed(*macro) && macroSlot <= kMaxMacroSlot) {
                bool uploaded = false;
                const uint32_t result = links_.driver.UploadMacro(macroSlot, &*macro, &uploaded);
                links_.clock.SleepMs(kPauseAfterStepMs);
                if (result != 0) {
                    if (!uploaded) return kApplyFailKeyMatrix;
                    code = MacroButtonCode(macroSlot, result);
                    ++macroSlot;
                }
            }
            links_.clock.SleepMs(kPauseAfterBlockMs);
        } else if (button.nFunction == kFunctionHostAction) {
            // The mouse keeps the ordinary job; the host swallows the button and runs the action.
            if (hooked && links_.hooks) links_.hooks->InterceptButton(kHookButtonCode[static_cast<std::size_t>(i)]);
            code = defaultCode;
        } else {
            code = FixedButtonCode(button.nFunction);
        }
        if (!code) continue;
        matrix[static_cast<std::size_t>(kDeviceSlot[static_cast<std::size_t>(i)])] = *code;
        links_.clock.SleepMs(kPauseAfterStepMs);
    }

    matrix[kFixedSlot] = kSlot6Code;
    std::array<uint8_t, kKeyMatrixSlots * 4> bytes{};
    for (std::size_t slot = 0; slot < matrix.size(); ++slot) WriteLe32(bytes.data() + slot * 4, matrix[slot]);
    if (!links_.driver.WriteKeyMatrix(bytes.data(), bytes.size())) return kApplyFailKeyMatrix;
    return std::nullopt;
}

std::optional<int32_t> ApplyWorker::WriteLighting(const ProfileData& profile) {
    CUSBDriver& driver = links_.driver;
    const uint32_t singleColor = ColorValue(profile.LightColor[4]);
    bool effectWritten = false;
    switch (profile.nLightMode) {
        case 1:
            if (!driver.WriteLedColor(singleColor)) return kApplyFailLedColor;
            effectWritten = driver.WriteEffect(1, static_cast<uint32_t>(profile.nLightParam1), 1);
            break;
        case 2:
            if (!driver.WriteLedColor(singleColor)) return kApplyFailLedColor;
            effectWritten = driver.WriteEffect(2, static_cast<uint32_t>(profile.nLightParam2), 1);
            break;
        case 3: effectWritten = driver.WriteEffect(3, 2, 3); break;
        case 4: effectWritten = driver.WriteEffect(4, 10, 2); break;
        case kLightModeColorCycle:
            effectWritten = driver.WriteEffect(5, static_cast<uint32_t>(profile.nLightParam5),
                                               static_cast<uint32_t>(profile.nLightOption));
            break;
        default: effectWritten = driver.WriteEffect(0, 0, 0); break;
    }
    if (!effectWritten) return kApplyFailEffect;

    if (profile.nLightMode == kLightModeColorCycle && profile.nLightOption == 1) {
        std::array<uint8_t, 32> table{};
        for (std::size_t k = 0; k < 4; ++k) {
            table[k * 3] = profile.LightColor[k].red;
            table[k * 3 + 1] = profile.LightColor[k].green;
            table[k * 3 + 2] = profile.LightColor[k].blue;
        }
        if (!driver.WriteLedColorTable(table.data(), table.size())) return kApplyFailColorTable;
        links_.clock.SleepMs(kPauseAfterBlockMs);
    }
    return std::nullopt;
}

void ApplyWorker::Progress(uintptr_t percent) { links_.progressWindow.Post({UM_APPLY_PROGRESS, percent, 0}); }

}  // namespace oryn7px
