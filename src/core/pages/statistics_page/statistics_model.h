#pragma once
// The statistics page without a screen: the counts, the travel between cursor samples, the
// trophy level that only rises until a reset, and whether the counts need saving.
#include <cstdint>

#include "core/pages/statistics_page/statistics_rules.h"

namespace oryn7px {

class StatisticsModel {
public:
    // Nothing is shown yet: the first paint loads the level's pictures.
    static constexpr int kNoLevelShown = 800;
    static_assert(kNoLevelShown > kMaxTrophyLevel, "no count earns the level that means none");

    StsData& Counts() { return counts_; }
    const StsData& Counts() const { return counts_; }

    // A press or wheel notch seen on the desktop; true when it counted (the numbers changed).
    bool OnMouseEvent(uint32_t hookButtonCode);

    // The cursor sample travel is measured from.
    void SetLastSample(ScreenPoint point) { lastSample_ = point; }
    // Adds the travel since the last sample and makes this one the last.
    void OnCursorSample(ScreenPoint point);

    // Raises the level to what the counts have earned (it never goes down) and returns it.
    int RaiseTrophyLevel();
    int TrophyLevel() const { return nTrophyLevel_; }
    // True once for each new level: its pictures must be loaded and the page repainted.
    bool TakeLevelChange();

    // Counts and level back to 0; the level's pictures are loaded again.
    void Reset();

    // Whether the counts changed since they were last saved (or loaded).
    bool HasUnsavedCounts() const { return unsaved_; }
    void MarkSaved() { unsaved_ = false; }

private:
    StsData counts_{};
    ScreenPoint lastSample_;
    int nTrophyLevel_ = 0;
    int nShownLevel_ = kNoLevelShown;
    bool unsaved_ = false;
};

}  // namespace oryn7px
