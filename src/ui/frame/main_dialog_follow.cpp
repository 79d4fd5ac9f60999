// The main window and profiles that follow the program in front: the desktop's tracker, the
// rules file and the follower, the automatic switch and its pass, the programs dialog and the
// tray's "Follow programs".
#include <QCoreApplication>
#include <QFileSystemWatcher>
#include <QGuiApplication>

#include "core/app/apply_handshake.h"
#include "core/app/follow_texts.h"
#include "core/app/programs_for_profile.h"
#include "core/base/utf16.h"
#include "ui/frame/main_dialog.h"
#include "ui/frame/programs_dialog.h"
#include "ui/skin/qt_conversions.h"

namespace oryn7px {

void CQ580ZDriverDlg::StartFollowing() {
    if (!services_.programRules) return;
    follower_ = std::make_unique<ProfileFollower>(
        [this](int profile, const ForegroundProgram& program) { return SwitchToFollowed(profile, program); },
        ProfileInUse(), static_cast<uint32_t>(QCoreApplication::applicationPid()));
    // Any window of ours in front (a dialog, a box) counts as the window's own focus.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (follower_) follower_->OwnWindowFocused(state == Qt::ApplicationActive);
    });
    follower_->OwnWindowFocused(QGuiApplication::applicationState() == Qt::ApplicationActive);
    // The command line changes the rules beside the program: they are taken as they land, also
    // while following is off and no tracker reports.
    auto* watcher = new QFileSystemWatcher(this);
    watcher->addPath(QString::fromStdString(services_.programRules->Path().parent_path().string()));
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, &CQ580ZDriverDlg::ReadRulesIfChanged);
    TakeRules(services_.programRules->Read());
}

void CQ580ZDriverDlg::StopFollowing() {
    RunTracker(false);
    follower_.reset();
}

void CQ580ZDriverDlg::OnProgramInFront(const ForegroundProgram& program) {
    if (bClosing_ || !follower_) return;
    ReadRulesIfChanged();
    follower_->ProgramInFront(program);
}

void CQ580ZDriverDlg::ReadRulesIfChanged() {
    if (!follower_) return;
    if (const std::optional<RulesReading> reading = services_.programRules->ReadIfChanged()) TakeRules(*reading);
}

void CQ580ZDriverDlg::TakeRules(const RulesReading& reading) {
    if (reading.problem) {
        const std::u16string text =
            RulesFileProblemText(*reading.problem, services_.programRules->Path(), services_.state.bChinese == 1);
        ShowNotice(Q(text));
        if (services_.logNotice) services_.logNotice(Utf16ToUtf8(text));
    }
    FollowRules(reading.rules);
}

void CQ580ZDriverDlg::FollowRules(const ProgramRules& rules) {
    follower_->RulesChanged(rules);
    RunTracker(rules.enabled);
}

void CQ580ZDriverDlg::RunTracker(bool on) {
    ForegroundTracker* tracker = services_.foregroundTracker;
    if (!tracker || on == bTrackerRunning_) return;
    if (!on) {
        // KWin's tracker takes its script out of KWin here.
        tracker->Stop();
        bTrackerRunning_ = false;
        return;
    }
    const Status started = tracker->Start([this](const ForegroundProgram& program) {
        QMetaObject::invokeMethod(this, [this, program] { OnProgramInFront(program); }, Qt::QueuedConnection);
    });
    bTrackerRunning_ = started.Ok();
    strTrackerProblem_.clear();
    if (started) return;
    const std::u16string text = FollowingFailedText(started.Failure().message, services_.state.bChinese == 1);
    strTrackerProblem_ = Q(text);
    ShowNotice(strTrackerProblem_);
    if (services_.logNotice) services_.logNotice(Utf16ToUtf8(text));
}

bool CQ580ZDriverDlg::SwitchToFollowed(int profile, const ForegroundProgram& program) {
    if (bClosing_ || !worker_) return false;
    // As its button does: the profile is loaded and shown.
    if (services_.store.SwitchProfile(profile - 1) != kProfileRead) return false;
    RefreshPagesFromProfile();
    ShowProfileSelection();
    ShowNotice(Q(FollowedHint(profile, program)));
    // Only what differs from what the mouse holds, and without the progress window.
    if (!oryn7px::RequestApply(services_.shared, services_.state, services_.store, ApplyScope::kChanges)) {
        // The window shows the profile, as after a click on its button; the mouse keeps the one before.
        follower_->ProfileInUse(profile);
        return false;
    }
    followedPass_ = program;
    return true;
}

// "Profile 2 (for game.exe)": the program by the name its rule gave it.
std::u16string CQ580ZDriverDlg::FollowedHint(int profile, const ForegroundProgram& program) const {
    return FollowedProfileHint(services_.strings.Caption(CaptionId::ProfileForProgram), profile,
                               Utf8ToUtf16(NameInRules(follower_->Rules(), profile, program)));
}

void CQ580ZDriverDlg::ReportFollowedPassFailure(intptr_t code) {
    const std::u16string text = FollowedPassFailedText(FollowedHint(ProfileInUse(), *followedPass_), ApplyFailureText(code));
    ShowNotice(Q(text));
    if (services_.logNotice) services_.logNotice(Utf16ToUtf8(text));
}

void CQ580ZDriverDlg::OpenProgramsDialog(int profile) {
    if (!follower_ || bClosing_) return;
    // The follower takes any change first; the dialog shows the file as it is.
    ReadRulesIfChanged();
    const RulesReading reading = services_.programRules->Read();
    std::vector<ForegroundProgram> windows;
    if (services_.foregroundTracker) windows = services_.foregroundTracker->ProgramsWithWindows();
    CDlgPrograms dialog(this,
                        ProgramsForProfile(reading.rules, profile, windows,
                                           static_cast<uint32_t>(QCoreApplication::applicationPid())),
                        FollowStatus(reading), services_.strings, services_.messages);
    if (dialog.exec() != QDialog::Accepted || !dialog.Choice().Changed() || bClosing_) return;
    SaveProgramsChoice(dialog);
}

void CQ580ZDriverDlg::SaveProgramsChoice(const CDlgPrograms& dialog) {
    const bool chinese = services_.state.bChinese == 1;
    const Result<RulesEdited> edited =
        services_.programRules->Edit([&dialog](ProgramRules& rules) { dialog.Choice().ApplyTo(rules); });
    if (!edited) {
        services_.messages.ShowInfoBox(RulesNotSavedText(edited.Failure().message, chinese), false);
        return;
    }
    if (edited->keptAs) services_.messages.ShowInfoBox(DamagedRulesKeptText(*edited->keptAs, chinese), false);
    FollowRules(edited->rules);
}

QString CQ580ZDriverDlg::FollowStatus(const RulesReading& reading) const {
    const bool chinese = services_.state.bChinese == 1;
    QString status = Q(ForegroundSupportLine(services_.foreground, chinese));
    if (!strTrackerProblem_.isEmpty()) status += QLatin1Char('\n') + strTrackerProblem_;
    if (reading.problem)
        status += QLatin1Char('\n') + Q(RulesFileProblemText(*reading.problem, services_.programRules->Path(), chinese));
    return status;
}

void CQ580ZDriverDlg::ToggleFollowing() {
    if (!follower_) return;
    ReadRulesIfChanged();
    const bool chinese = services_.state.bChinese == 1;
    const bool on = !follower_->Enabled();
    const Result<RulesEdited> edited = services_.programRules->Edit([on](ProgramRules& rules) { rules.enabled = on; });
    if (!edited) {
        services_.messages.ShowInfoBox(RulesNotSavedText(edited.Failure().message, chinese), false);
        return;
    }
    if (edited->keptAs) services_.messages.ShowInfoBox(DamagedRulesKeptText(*edited->keptAs, chinese), false);
    FollowRules(edited->rules);
}

}  // namespace oryn7px
