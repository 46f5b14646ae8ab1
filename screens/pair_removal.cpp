#include "screens/pair_removal.h"

#include <algorithm>

#include "board/cell_values.h"
#include "screens/game_flow.h"

namespace {

Pickup PickupOf(const Point& cell, int code, bool relaxed, int& collectedPieces) {
    Pickup pickup;
    pickup.cell = cell;
    pickup.code = code;
    if (IsBonusItem(code)) {
        // Relaxed mode has neither a score nor a clock to feed.
        const bool useless = relaxed && (code == 1 || code == 5);
        pickup.kind = useless ? PickupKind::LOST : PickupKind::FLIES;
        pickup.control = useless ? "" : BonusControl(code);
    } else if (IsPicturePiece(code)) {
        if (relaxed) {
            pickup.kind = PickupKind::LOST;
        } else if (collectedPieces >= COLLECTED_PICTURES) {
            pickup.kind = PickupKind::NO_ROOM;
        } else {
            pickup.kind = PickupKind::PIECE;
            pickup.piece = code - FIRST_PICTURE_PIECE;
            ++collectedPieces;
        }
    }
    return pickup;
}

}  // namespace

RemovalOutcome DecideRemoval(const RemovalScene& scene) {
    RemovalOutcome outcome;
    outcome.points = POINTS_PER_PAIR;
    outcome.timeRemainingMs = scene.timeRemainingMs;
    outcome.collectedPieces = scene.collectedPieces;
    int count = 0;
    bool picFound = false;
    for (const auto& [cell, code] :
         {std::pair{scene.start, scene.startBonus}, std::pair{scene.end, scene.endBonus}}) {
        if (code == 0) {
            continue;
        }
        const Pickup pickup = PickupOf(cell, code, scene.relaxed, outcome.collectedPieces);
        count += pickup.kind == PickupKind::LOST ? 0 : 1;
        picFound = picFound || pickup.kind == PickupKind::PIECE;
        outcome.pickups.push_back(pickup);
    }
    if (!scene.relaxed && IsGroupValue(scene.startLevelTile)) {
        outcome.flowerTime = true;
        const long long added = static_cast<long long>(scene.flowersBonus) * 1000;
        outcome.timeRemainingMs = static_cast<int>(
            std::min<long long>(scene.timeRemainingMs + added, MAX_TIME_LIMIT_S * 1000LL));
        ++count;
    }
    outcome.sound = count == 0 ? "ChooseSecond" : (picFound ? "PicFound" : "GetBonus");
    return outcome;
}
