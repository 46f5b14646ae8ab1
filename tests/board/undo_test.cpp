#include <gtest/gtest.h>

#include "board/undo_action.h"

namespace {

TEST(Undo, NewestRecordComesBackFirst) {
    undoAction::Reset();
    EXPECT_EQ(undoAction::Size(), 0);
    EXPECT_FALSE(undoAction::popUndoAction());
    undoAction::pushUndoAction(5, 6, Point(1, 2), Point(3, 4));
    undoAction::pushUndoAction(7, 8, Point(5, 6), Point(7, 8));
    EXPECT_EQ(undoAction::Size(), 2);
    const UndoActionPtr second = undoAction::popUndoAction();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->iTile1, 7);
    EXPECT_EQ(second->iTile2, 8);
    EXPECT_EQ(second->Point2->x, 7);
    const UndoActionPtr first = undoAction::popUndoAction();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->iTile1, 5);
    EXPECT_EQ(first->Point1->y, 2);
    EXPECT_FALSE(undoAction::popUndoAction());
}

TEST(Undo, RecordsKeepTheirOwnCopiesOfThePoints) {
    undoAction::Reset();
    const PointPtr a = Point::Create(1, 1);
    const PointPtr b = Point::Create(2, 2);
    undoAction::pushUndoAction(3, 3, *a, *b);
    a->x = 9;
    b->y = 9;
    const UndoActionPtr record = undoAction::popUndoAction();
    EXPECT_EQ(record->Point1->x, 1);
    EXPECT_EQ(record->Point2->y, 2);
}

TEST(Undo, ResetEmptiesTheStack) {
    undoAction::pushUndoAction(3, 3, Point(0, 0), Point(1, 0));
    undoAction::Reset();
    EXPECT_EQ(undoAction::Size(), 0);
    EXPECT_FALSE(undoAction::popUndoAction());
}

}  // namespace
