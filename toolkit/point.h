#pragma once
// An integer pair: a board cell (column, row) or a screen position.
#include <memory>

class Point;
using PointPtr = std::shared_ptr<Point>;

class Point {
public:
    int x = 0;
    int y = 0;

    Point() = default;
    Point(int px, int py) : x(px), y(py) {}
    virtual ~Point() = default;

    static PointPtr Create(int x, int y);

    // A new object of the receiver's class; subclasses override it.
    virtual PointPtr Copy() const;
    int CopyTo(Point& target) const;
    int Equals(const Point& other) const;
};
