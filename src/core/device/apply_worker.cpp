#include "core/device/apply_worker.h"

#include <algorithm>
#include <array>

#include "core/base/messages.h"
#include "core/device/apply_pointer_settings.h"
#include "core/device/button_codes.h"
#include "core/device/hook_codes.h"
#include "core/device/input_hooks.h"
#include "core/device/log_stream.h"
#include "core/device/protocol/dpi_encoder.h"
#include "core/device/protocol/key_matrix_encoder.h"
#include "core/device/protocol/lighting_encoder.h"
#include "core/device/protocol/macro_encoder.h"
#include "core/device/protocol/report_rate_encoder.h"
#include "core/device/usb_driver.h"
#include "core/settings/light_color.h"
#include "core/settings/macro_library.h"

namespace oryn7px {

namespace {

constexpr uint32_t kPauseAfterStepMs = 50;
constexpr uint32_t kPauseAfterBlockMs = 1500;
constexpr uint32_t kPauseBeforeDoneMs = 300;
constexpr uint32_t kFirstMacroSlot = 1;
// Colours 0..3 of the profile are the colour cycle's, colour 4 the single colour.
constexpr int kSingleColorEntry = 4;

static_assert(kColorCycleColors + 1 == kLightColorCount);
static_assert(kDpiLevelPlaces == kDpiLevelCount, "one place in the DPI table per level");

LightingSettings LightingOf(const ProfileData& profile) {
    LightingSettings lighting;
    lighting.mode = profile.nLightMode;
    lighting.steadyBrightness = profile.nLightParam1;
    lighting.breathingSpeed = profile.nLightParam2;
    lighting.colorCycleSpeed = profile.nLightParam5;
    lighting.colorCycleOption = profile.nLightOption;
    lighting.singleColor = ToRgbColor(profile.LightColor[kSingleColorEntry]);
    for (int k = 0; k < kColorCycleColors; ++k) {
        lighting.cycleColors[static_cast<std::size_t>(k)] = ToRgbColor(profile.LightColor[k]);
    }
    return lighting;
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
    const Result<uint32_t> version = links_.driver.ReadFirmwareVersion();
    links_.mainWindow.Post({UM_FIRMWARE_VERSION, version ? *version : 0u, 0});
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

bool ApplyWorker::MouseAnswers() { return links_.driver.ReadFirmwareVersion().Ok(); }

// The steps in the order the mouse takes them; the first failing step ends the pass.
std::optional<int32_t> ApplyWorker::WriteProfile(const ApplySnapshot& snapshot) {
    const ProfileData& profile = snapshot.profile;
    if (auto failure = WriteButtons(snapshot)) return failure;
    links_.clock.SleepMs(kPauseAfterBlockMs);
    Progress(60);
    if (auto failure = WriteLighting(LightingOf(profile))) return failure;
    Progress(70);
    if (auto failure = WriteTouch(profile)) return failure;
    Progress(75);
    if (auto failure = WriteDpi(profile)) return failure;
    Progress(80);
    ApplyPointerSettings(links_.pointer, profile);
    Progress(90);
    if (auto failure = WriteReportRate(profile)) return failure;
    Progress(100);
    links_.clock.SleepMs(kPauseBeforeDoneMs);
    return std::nullopt;
}

std::optional<int32_t> ApplyWorker::WriteButtons(const ApplySnapshot& snapshot) {
    KeyMatrix matrix{};
    uint32_t macroSlot = kFirstMacroSlot;

    for (int i = 0; i < kButtonCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool hooked = index < kHookButtonCode.size();
        if (hooked && links_.hooks) links_.hooks->ReleaseButton(kHookButtonCode[index]);
        Progress(static_cast<uintptr_t>(7 * i));

        const ButtonSetting& button = snapshot.profile.Buttons[i];
        std::optional<uint32_t> code;
        if (button.nFunction == kFunctionKey) {
            code = button.dwKeyValue;
        } else if (button.nFunction == kFunctionMacro) {
            const Result<uint32_t> macroCode = WriteMacro(snapshot.macros[index], macroSlot);
            if (!macroCode) return kApplyFailKeyMatrix;
            if (*macroCode != 0) ++macroSlot;
            code = *macroCode != 0 ? *macroCode : kDefaultButtonCode[index];
        } else if (button.nFunction == kFunctionHostAction) {
            // The mouse keeps the ordinary job; the host swallows the button and runs the action.
            if (hooked && links_.hooks) links_.hooks->InterceptButton(kHookButtonCode[index]);
            code = kDefaultButtonCode[index];
        } else {
            code = FixedButtonCode(button.nFunction);
        }
        if (!code) continue;
        matrix[static_cast<std::size_t>(kDeviceSlot[index])] = *code;
        links_.clock.SleepMs(kPauseAfterStepMs);
    }

    if (!links_.driver.Send(EncodeKeyMatrix(matrix))) return kApplyFailKeyMatrix;
    return std::nullopt;
}

// The button code of an uploaded macro, 0 when the button keeps its ordinary job (a macro that
// is missing, too long or beyond the mouse's slots), or the failed upload.
Result<uint32_t> ApplyWorker::WriteMacro(const std::optional<MacroEntry>& macro, uint32_t slot) {
    uint32_t code = 0;
    if (macro && IsMacroEntryUsed(*macro) && slot <= kMaxMacroSlot) {
        const Result<EncodedMacro> encoded = EncodeMacro(*macro);
        const Status uploaded = encoded ? links_.driver.UploadMacroImage(slot, encoded->image) : Status{};
        links_.clock.SleepMs(kPauseAfterStepMs);
        if (!uploaded) return uploaded.Failure();
        if (encoded) code = MacroButtonCode(slot, encoded->LengthCode());
    }
    links_.clock.SleepMs(kPauseAfterBlockMs);
    return code;
}

std::optional<int32_t> ApplyWorker::WriteLighting(const LightingSettings& lighting) {
    CUSBDriver& driver = links_.driver;
    if (UsesSingleColor(lighting) && !driver.Send(EncodeSingleColor(lighting.singleColor))) return kApplyFailLedColor;
    if (!driver.Send(EncodeEffect(EffectOf(lighting)))) return kApplyFailEffect;
    if (UsesColorTable(lighting)) {
        if (!driver.Send(EncodeColorTable(lighting.cycleColors))) return kApplyFailColorTable;
        links_.clock.SleepMs(kPauseAfterBlockMs);
    }
    return std::nullopt;
}

std::optional<int32_t> ApplyWorker::WriteTouch(const ProfileData& profile) {
    if (!links_.driver.Send(EncodeTouch(profile.nTouchMode, profile.nLightMode))) return kApplyFailTouch;
    return std::nullopt;
}

std::optional<int32_t> ApplyWorker::WriteDpi(const ProfileData& profile) {
    const DpiTable table = BuildDpiTable(DpiLevels(profile.nDpiValue), DpiLevels(profile.nDpiOrder));
    if (!links_.driver.Send(EncodeDpiTable(table))) return kApplyFailDpi;
    // The mouse's answer to the follow-up decides nothing.
    (void)links_.driver.Send(EncodeDpiFollowUp(0));
    return std::nullopt;
}

std::optional<int32_t> ApplyWorker::WriteReportRate(const ProfileData& profile) {
    if (!links_.driver.Send(EncodeReportRate(profile.nReportRate))) return kApplyFailReportRate;
    return std::nullopt;
}

void ApplyWorker::Progress(uintptr_t percent) { links_.progressWindow.Post({UM_APPLY_PROGRESS, percent, 0}); }

}  // namespace oryn7px
