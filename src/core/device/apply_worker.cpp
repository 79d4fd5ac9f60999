#include "core/device/apply_worker.h"

#include <array>

#include "core/base/messages.h"
#include "core/device/apply_pointer_settings.h"
#include "core/device/hook_codes.h"
#include "core/device/input_hooks.h"
#include "core/device/log_stream.h"
#include "core/device/protocol/dpi_encoder.h"
#include "core/device/protocol/key_matrix_encoder.h"
#include "core/device/usb_driver.h"

namespace oryn7px {

namespace {

constexpr uint32_t kPauseAfterStepMs = 50;
constexpr uint32_t kPauseAfterBlockMs = 1500;
constexpr uint32_t kPauseBeforeDoneMs = 300;

int32_t LightingFailure(CommandId command) {
    if (command == CommandId::kSingleColor) return kApplyFailLedColor;
    if (command == CommandId::kColorTable) return kApplyFailColorTable;
    return kApplyFailEffect;
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
    const uint64_t link = links_.driver.LinkGeneration();
    const uint64_t leftPending = links_.driver.ReportsLeftPending();
    const ApplyPlan plan = PlanFor(*snapshot, link);
    if (links_.applyButton) links_.applyButton->SetApplyButtonEnabled(false);
    shared.deviceState.BeginWrite();
    if (plan.whole) links_.clock.SleepMs(kPauseAfterStepMs);

    const std::optional<int32_t> failure = WriteProfile(*snapshot, plan);
    if (failure) {
        // The mouse holds part of the profile: the next pass writes everything.
        shared.completedPass.Forget();
        // Told before the failure: the removal notice of a mouse that left may come after it.
        shared.deviceState.RecordWriteOutcome(!MouseAnswers());
        links_.mainWindow.Post({UM_APPLY_FAILED, 0, *failure});
    } else {
        // A report left pending may never have reached the mouse: then nothing is known of it.
        if (links_.driver.ReportsLeftPending() == leftPending) {
            shared.completedPass.Remember(*snapshot, link);
        } else {
            shared.completedPass.Forget();
        }
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

ApplyPlan ApplyWorker::PlanFor(const ApplySnapshot& snapshot, uint64_t link) const {
    if (snapshot.scope == ApplyScope::kWhole) return PlanApply(nullptr, snapshot);
    return PlanApply(links_.shared.completedPass.On(link).get(), snapshot);
}

// The steps in the order the mouse takes them; the first failing step ends the pass. Host-side
// steps (the intercepted buttons, the pointer settings) run in every pass.
std::optional<int32_t> ApplyWorker::WriteProfile(const ApplySnapshot& snapshot, const ApplyPlan& plan) {
    const PassContent content = PassContentOf(snapshot);
    if (auto failure = WriteButtons(snapshot, content, plan)) return failure;
    if (plan.Has(PassStep::kKeyMatrix)) links_.clock.SleepMs(kPauseAfterBlockMs);
    Progress(60);
    if (plan.Has(PassStep::kLighting)) {
        if (auto failure = WriteLighting(content.lighting)) return failure;
    }
    Progress(70);
    if (plan.Has(PassStep::kTouch) && !links_.driver.Send(content.touch)) return kApplyFailTouch;
    Progress(75);
    if (plan.Has(PassStep::kDpi)) {
        if (auto failure = WriteDpi(content)) return failure;
    }
    Progress(80);
    ApplyPointerSettings(links_.pointer, snapshot.profile);
    Progress(90);
    if (plan.Has(PassStep::kReportRate) && !links_.driver.Send(content.reportRate)) return kApplyFailReportRate;
    Progress(100);
    // The mouse is given time after a new report rate before the pass counts as done.
    if (plan.whole || plan.Has(PassStep::kReportRate)) links_.clock.SleepMs(kPauseBeforeDoneMs);
    return std::nullopt;
}

std::optional<int32_t> ApplyWorker::WriteButtons(const ApplySnapshot& snapshot, const PassContent& content,
                                                 const ApplyPlan& plan) {
    for (int i = 0; i < kButtonCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool hooked = index < kHookButtonCode.size();
        if (hooked && links_.hooks) links_.hooks->ReleaseButton(kHookButtonCode[index]);
        Progress(static_cast<uintptr_t>(7 * i));

        const int32_t function = snapshot.profile.Buttons[i].nFunction;
        if (function == kFunctionMacro) {
            if (auto failure = WriteMacro(content.macros[index], plan)) return failure;
        } else if (function == kFunctionHostAction && hooked && links_.hooks) {
            links_.hooks->InterceptButton(kHookButtonCode[index]);
        }
        // The whole pass paces the codes it stores; nothing is sent meanwhile.
        if (content.codes[index] && plan.whole) links_.clock.SleepMs(kPauseAfterStepMs);
    }
    if (plan.Has(PassStep::kKeyMatrix) && !links_.driver.Send(EncodeKeyMatrix(content.keyMatrix))) {
        return kApplyFailKeyMatrix;
    }
    return std::nullopt;
}

// The whole pass gives every macro button 1500 ms, and 50 ms after each upload or its attempt;
// a plan of changes gives them only to the uploads it makes.
std::optional<int32_t> ApplyWorker::WriteMacro(const std::optional<MacroSlotUse>& use, const ApplyPlan& plan) {
    const bool uploads = use && use->encoded && plan.Uploads(use->slot);
    if (uploads || (use && plan.whole)) {
        const Status uploaded = uploads ? links_.driver.UploadMacroImage(use->slot, use->encoded->image) : Status{};
        links_.clock.SleepMs(kPauseAfterStepMs);
        if (!uploaded) return kApplyFailKeyMatrix;
    }
    if (uploads || plan.whole) links_.clock.SleepMs(kPauseAfterBlockMs);
    return std::nullopt;
}

std::optional<int32_t> ApplyWorker::WriteLighting(const std::vector<DeviceCommand>& lighting) {
    for (const DeviceCommand& command : lighting) {
        if (!links_.driver.Send(command)) return LightingFailure(command.Id());
        if (command.Id() == CommandId::kColorTable) links_.clock.SleepMs(kPauseAfterBlockMs);
    }
    return std::nullopt;
}

std::optional<int32_t> ApplyWorker::WriteDpi(const PassContent& content) {
    if (!links_.driver.Send(content.dpiTable)) return kApplyFailDpi;
    // The mouse's answer to the follow-up decides nothing.
    (void)links_.driver.Send(EncodeDpiFollowUp(0));
    return std::nullopt;
}

void ApplyWorker::Progress(uintptr_t percent) { links_.progressWindow.Post({UM_APPLY_PROGRESS, percent, 0}); }

}  // namespace oryn7px
