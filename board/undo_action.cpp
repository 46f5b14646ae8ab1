#include "board/undo_action.h"

#include <optional>
#include <vector>

namespace {

// Created by the first push and kept for the whole run.
std::optional<std::vector<UndoActionPtr>>& UndoStack() {
    static std::optional<std::vector<UndoActionPtr>> stack;
    return stack;
}

}  // namespace

int undoAction::pushUndoAction(int tile1, int tile2, const Point& p1, const Point& p2) {
    if (!UndoStack()) {
        UndoStack().emplace();
    }
    auto record = std::make_shared<undoAction>();
    record->iTile1 = tile1;
    record->iTile2 = tile2;
    record->Point1 = Point::Create(p1.x, p1.y);
    record->Point2 = Point::Create(p2.x, p2.y);
    UndoStack()->push_back(record);
    return 0;
}

UndoActionPtr undoAction::popUndoAction() {
    if (!UndoStack() || UndoStack()->empty()) {
        return nullptr;
    }
    UndoActionPtr record = UndoStack()->back();
    UndoStack()->pop_back();
    return record;
}

int undoAction::Reset() {
    if (UndoStack()) {
        UndoStack()->clear();
    }
    return 0;
}

int undoAction::Size() {
    return UndoStack() ? static_cast<int>(UndoStack()->size()) : 0;
}
