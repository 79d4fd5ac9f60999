#include "core/pages/statistics_page/statistics_model.h"

#include <algorithm>

namespace oryn7px {

bool StatisticsModel::OnMouseEvent(uint32_t hookButtonCode) {
    uint32_t* counter = CounterOfEvent(counts_, hookButtonCode);
    if (!counter) return false;
    *counter = SaturatingAdd(*counter, 1);
    unsaved_ = true;
    return true;
}

void StatisticsModel::OnCursorSample(ScreenPoint point) {
    const uint32_t step = DistanceStep(lastSample_, point);
    lastSample_ = point;
    if (step == 0) return;
    counts_.nMoveDistance = SaturatingAdd(counts_.nMoveDistance, step);
    unsaved_ = true;
}

int StatisticsModel::RaiseTrophyLevel() {
    nTrophyLevel_ = std::max(nTrophyLevel_, EarnedTrophyLevel(counts_));
    return nTrophyLevel_;
}

bool StatisticsModel::TakeLevelChange() {
    if (nShownLevel_ == nTrophyLevel_) return false;
    nShownLevel_ = nTrophyLevel_;
    return true;
}

void StatisticsModel::Reset() {
    counts_ = {};
    nTrophyLevel_ = 0;
    nShownLevel_ = kNoLevelShown;
    unsaved_ = true;
}

}  // namespace oryn7px
