#pragma once
// Undo records: the two cells of a removed pair with the values they held,
// kept on one class-wide stack, newest last.
#include <memory>

#include "toolkit/point.h"

class undoAction;
using UndoActionPtr = std::shared_ptr<undoAction>;

class undoAction {
public:
    int iTile1 = 0;
    int iTile2 = 0;
    PointPtr Point1;
    PointPtr Point2;

    static int pushUndoAction(int tile1, int tile2, const Point& p1, const Point& p2);
    // The newest record, or null when there is none.
    static UndoActionPtr popUndoAction();
    static int Reset();
    static int Size();
};
