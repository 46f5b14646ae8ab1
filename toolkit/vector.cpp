#include "toolkit/vector.h"

#include <cmath>

#include "platform/numbers.h"

float TVector::SetX(float v) {
    _x = v;
    return 0.0f;
}

float TVector::SetY(float v) {
    _y = v;
    return 0.0f;
}

float TVector::Set(float x, float y) {
    _x = x;
    _y = y;
    return 0.0f;
}

TVector& TVector::Add(float x, float y) {
    _x += x;
    _y += y;
    return *this;
}

TVector& TVector::AddVector(const TVector& v) {
    return Add(v._x, v._y);
}

TVector& TVector::Subtract(float x, float y) {
    _x -= x;
    _y -= y;
    return *this;
}

TVector& TVector::SubtractVector(const TVector& v) {
    return Subtract(v._x, v._y);
}

TVector& TVector::Multiply(float x, float y) {
    _x *= x;
    _y *= y;
    return *this;
}

TVector& TVector::MultiplyVector(const TVector& v) {
    return Multiply(v._x, v._y);
}

TVector& TVector::Divide(float x, float y) {
    _x /= x;
    _y /= y;
    return *this;
}

TVector& TVector::DivideVector(const TVector& v) {
    return Divide(v._x, v._y);
}

float TVector::GetAngle() const {
    return static_cast<float>(ATan2(_y, _x));
}

float TVector::GetAngle2(const TVector& v) const {
    return std::fabs(WrapAngle(180.0f + GetAngle() - v.GetAngle(), 360) - 180.0f);
}

float TVector::GetAngle3(const TVector& v) const {
    const double d = WrapAngle(GetAngle() - v.GetAngle(), 360);
    const double side = 180.0 - d;
    const double sign = side > 0.0 ? 1.0 : (side < 0.0 ? -1.0 : 0.0);
    return static_cast<float>(sign * (180.0 - std::fabs(side)));
}

float TVector::GetLength() const {
    return static_cast<float>(std::sqrt(double(_x) * _x + double(_y) * _y));
}

TVectorPtr TVector::GetUnit() const {
    TVectorPtr unit = Clone();
    const float length = GetLength();
    if (length != 0.0f) {
        unit->Divide(length, length);
    }
    return unit;
}

float TVector::DotProduct(const TVector& v) const {
    return _x * v._x + _y * v._y;
}

TVector& TVector::Rotate(float degrees) {
    const double c = Cos(degrees);
    const double s = Sin(degrees);
    const double x = _x;
    const double y = _y;
    _x = static_cast<float>(x * c - y * s);
    _y = static_cast<float>(x * s + y * c);
    return *this;
}

TVectorPtr TVector::Clone() const {
    return std::make_shared<TVector>(_x, _y);
}

float WrapAngle(float angle, std::uint16_t modulus) {
    if (modulus == 0) {
        return 0.0f;  // no range to wrap into
    }
    double rest = std::fmod(static_cast<double>(angle), static_cast<double>(modulus));
    if (rest < 0.0) {
        rest += modulus;
    }
    float result = static_cast<float>(rest);
    if (!(result < static_cast<float>(modulus))) {
        result = 0.0f;  // a tiny negative rest rounds up to the modulus itself
    }
    return result;
}

namespace {

TVectorPtr Target(const TVectorPtr& v, bool copy) {
    if (!v) {
        return std::make_shared<TVector>();
    }
    return copy ? v->Clone() : v;
}

}  // namespace

TVectorPtr VectorCreate(float x, float y) {
    return std::make_shared<TVector>(x, y);
}

TVectorPtr VectorClone(const TVectorPtr& v) {
    return Target(v, true);
}

TVectorPtr VectorAdd(const TVectorPtr& v, float x, float y, bool copy) {
    TVectorPtr r = Target(v, copy);
    r->Add(x, y);
    return r;
}

TVectorPtr VectorSubtract(const TVectorPtr& v, float x, float y, bool copy) {
    TVectorPtr r = Target(v, copy);
    r->Subtract(x, y);
    return r;
}

TVectorPtr VectorMultiply(const TVectorPtr& v, float x, float y, bool copy) {
    TVectorPtr r = Target(v, copy);
    r->Multiply(x, y);
    return r;
}

TVectorPtr VectorDivide(const TVectorPtr& v, float x, float y, bool copy) {
    TVectorPtr r = Target(v, copy);
    r->Divide(x, y);
    return r;
}

TVectorPtr VectorAddVector(const TVectorPtr& v, const TVector& w, bool copy) {
    TVectorPtr r = Target(v, copy);
    r->AddVector(w);
    return r;
}

TVectorPtr VectorSubtractVector(const TVectorPtr& v, const TVector& w, bool copy) {
    TVectorPtr r = Target(v, copy);
    r->SubtractVector(w);
    return r;
}

TVectorPtr VectorMultiplyVector(const TVectorPtr& v, const TVector& w, bool copy) {
    TVectorPtr r = Target(v, copy);
    r->MultiplyVector(w);
    return r;
}

TVectorPtr VectorDivideVector(const TVectorPtr& v, const TVector& w, bool copy) {
    TVectorPtr r = Target(v, copy);
    r->DivideVector(w);
    return r;
}

TVectorPtr VectorRotate(const TVectorPtr& v, float degrees, bool copy) {
    TVectorPtr r = Target(v, copy);
    r->Rotate(degrees);
    return r;
}

float VectorGetAngle(const TVector& v) {
    return v.GetAngle();
}
float VectorGetLength(const TVector& v) {
    return v.GetLength();
}
TVectorPtr VectorGetUnit(const TVector& v) {
    return v.GetUnit();
}
float VectorGetAngle2(const TVector& v, const TVector& w) {
    return v.GetAngle2(w);
}
float VectorGetAngle3(const TVector& v, const TVector& w) {
    return v.GetAngle3(w);
}
float VectorDotProduct(const TVector& v, const TVector& w) {
    return v.DotProduct(w);
}
