#include <gtest/gtest.h>

#include <cmath>

#include "toolkit/point.h"
#include "toolkit/vector.h"

TEST(PointTest, EqualsComparesBothCoordinatesAndCopyIsDistinct) {
    const PointPtr a = Point::Create(1, 2);
    EXPECT_EQ(a->Equals(*Point::Create(1, 2)), 1);
    EXPECT_EQ(a->Equals(*Point::Create(2, 1)), 0);

    PointPtr copy = a->Copy();
    copy->x = 9;
    EXPECT_EQ(a->x, 1);
    Point target;
    EXPECT_EQ(a->CopyTo(target), 0);
    EXPECT_EQ(target.y, 2);
}

TEST(VectorTest, MethodsChangeAndReturnTheReceiver) {
    TVector v(1, 2);
    TVector& same = v.Add(1, 1).Multiply(2, 3);
    EXPECT_EQ(&same, &v);
    EXPECT_FLOAT_EQ(v.GetX(), 4);
    EXPECT_FLOAT_EQ(v.GetY(), 9);

    const TVectorPtr unit = TVector(3, 4).GetUnit();
    EXPECT_FLOAT_EQ(unit->GetLength(), 1.0f);
    const TVectorPtr zero = TVector().GetUnit();
    EXPECT_FLOAT_EQ(zero->GetX(), 0.0f);
    EXPECT_FLOAT_EQ(zero->GetY(), 0.0f);
    EXPECT_TRUE(std::isinf(TVector(1, 1).Divide(0, 1).GetX()));
}

TEST(VectorTest, CopyFlagOfTheFreeFunctions) {
    const TVectorPtr v = VectorCreate(1, 1);
    const TVectorPtr copied = VectorAdd(v, 2, 3, true);
    EXPECT_NE(copied, v);
    EXPECT_FLOAT_EQ(v->GetX(), 1);
    EXPECT_FLOAT_EQ(copied->GetX(), 3);

    const TVectorPtr inPlace = VectorSubtractVector(v, TVector(1, 1), false);
    EXPECT_EQ(inPlace, v);
    EXPECT_FLOAT_EQ(v->GetLength(), 0.0f);
}

TEST(VectorTest, AnglesInDegrees) {
    EXPECT_FLOAT_EQ(TVector(0, -1).GetAngle(), -90);
    EXPECT_FLOAT_EQ(TVector(-1, 0).GetAngle(), 180);

    EXPECT_FLOAT_EQ(TVector(1, 0).GetAngle3(TVector(0, 1)), -90);
    EXPECT_FLOAT_EQ(TVector(0, 1).GetAngle3(TVector(1, 0)), 90);
    EXPECT_FLOAT_EQ(TVector(-1, 0).GetAngle3(TVector(1, 0)), 0);
    EXPECT_FLOAT_EQ(TVector(1, 1).GetAngle3(TVector(1, 0)), 45);
    EXPECT_FLOAT_EQ(TVector(1, -1).GetAngle3(TVector(1, 0)), -45);

    EXPECT_FLOAT_EQ(TVector(-1, 0).GetAngle2(TVector(1, 0)), 180);
    EXPECT_FLOAT_EQ(TVector(1, -1).GetAngle2(TVector(1, 0)), 45);
}

TEST(VectorTest, RotateTurnsClockwiseOnScreen) {
    TVector v(1, 0);
    v.Rotate(90);
    EXPECT_NEAR(v.GetX(), 0.0f, 1e-6);
    EXPECT_NEAR(v.GetY(), 1.0f, 1e-6);  // y points down
}

TEST(VectorTest, WrapAngleLandsInRange) {
    EXPECT_FLOAT_EQ(WrapAngle(-30, 360), 330);
    EXPECT_FLOAT_EQ(WrapAngle(725, 360), 5);
    EXPECT_FLOAT_EQ(WrapAngle(-720, 360), 0);
    EXPECT_FLOAT_EQ(WrapAngle(360, 360), 0);
    const float tiny = WrapAngle(-1e-6f, 360);
    EXPECT_GE(tiny, 0.0f);
    EXPECT_LT(tiny, 360.0f);
    EXPECT_FLOAT_EQ(WrapAngle(45, 0), 0);
}
