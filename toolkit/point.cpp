#include "toolkit/point.h"

PointPtr Point::Create(int x, int y) {
    return std::make_shared<Point>(x, y);
}

PointPtr Point::Copy() const {
    return Point::Create(x, y);
}

int Point::CopyTo(Point& target) const {
    target.x = x;
    target.y = y;
    return 0;
}

int Point::Equals(const Point& other) const {
    return (x == other.x && y == other.y) ? 1 : 0;
}
