#pragma once
// A 2D float vector. Angles are in degrees; y points down the screen.
// Methods that return TVector& change the receiver and return it.
#include <cstdint>
#include <memory>

class TVector;
using TVectorPtr = std::shared_ptr<TVector>;

class TVector {
public:
    float _x = 0.0f;
    float _y = 0.0f;

    TVector() = default;
    TVector(float x, float y) : _x(x), _y(y) {}

    float GetX() const { return _x; }
    float GetY() const { return _y; }
    float SetX(float v);
    float SetY(float v);
    float Set(float x, float y);

    TVector& Add(float x, float y);
    TVector& AddVector(const TVector& v);
    TVector& Subtract(float x, float y);
    TVector& SubtractVector(const TVector& v);
    TVector& Multiply(float x, float y);
    TVector& MultiplyVector(const TVector& v);
    TVector& Divide(float x, float y);
    TVector& DivideVector(const TVector& v);

    float GetAngle() const;                   // -180..180
    float GetAngle2(const TVector& v) const;  // unsigned difference, 0..180
    float GetAngle3(const TVector& v) const;  // signed angle from v to this, -180..180
    float GetLength() const;
    TVectorPtr GetUnit() const;  // zero vector gives a zero copy
    float DotProduct(const TVector& v) const;
    TVector& Rotate(float degrees);  // positive turns clockwise on screen
    TVectorPtr Clone() const;
};

// Remainder of angle / modulus taken towards zero, shifted into [0, modulus).
float WrapAngle(float angle, std::uint16_t modulus);

// Free forms: with copy set they work on a clone and leave v alone.
TVectorPtr VectorCreate(float x, float y);
TVectorPtr VectorClone(const TVectorPtr& v);
TVectorPtr VectorAdd(const TVectorPtr& v, float x, float y, bool copy);
TVectorPtr VectorSubtract(const TVectorPtr& v, float x, float y, bool copy);
TVectorPtr VectorMultiply(const TVectorPtr& v, float x, float y, bool copy);
TVectorPtr VectorDivide(const TVectorPtr& v, float x, float y, bool copy);
TVectorPtr VectorAddVector(const TVectorPtr& v, const TVector& w, bool copy);
TVectorPtr VectorSubtractVector(const TVectorPtr& v, const TVector& w, bool copy);
TVectorPtr VectorMultiplyVector(const TVectorPtr& v, const TVector& w, bool copy);
TVectorPtr VectorDivideVector(const TVectorPtr& v, const TVector& w, bool copy);
TVectorPtr VectorRotate(const TVectorPtr& v, float degrees, bool copy);
float VectorGetAngle(const TVector& v);
float VectorGetLength(const TVector& v);
TVectorPtr VectorGetUnit(const TVector& v);
float VectorGetAngle2(const TVector& v, const TVector& w);
float VectorGetAngle3(const TVector& v, const TVector& w);
float VectorDotProduct(const TVector& v, const TVector& w);
