// Bounded values with a default, held by status zones outside their field objects
// (signatures, counters, measures, event log).
//
// After every successful operation min <= default <= max and min <= value <= max; a
// failed operation raises ERangeError and leaves the object as it was.
#pragma once

#include "support/Object.h"

namespace g20seq {

template <typename T> class TRange : public TPersistent {
public:
    // Sets the limits and the default, and resets the value to the default. Requires
    // min <= default <= max.
    void SetRange(T MinValue, T MaxValue, T DefaultValue);
    // MinValue <= Value <= MaxValue, bounds included.
    bool IsRange(T Value) const { return FMin <= Value && Value <= FMax; }
    void SetValue(T Value);

    T GetDefault() const { return FDefault; }
    T GetMax() const { return FMax; }
    T GetMin() const { return FMin; }
    T GetValue() const { return FValue; }

    // Copies the four members from an object of exactly the same class; any other
    // source goes to the classic assignment (and its error).
    void Assign(const TPersistent* Source) override;
    // Same class and the four members equal.
    bool Equals(const TPersistent* Other) const;

protected:
    TRange(T MinValue, T MaxValue, T DefaultValue);

private:
    T FDefault{};
    T FMax{};
    T FMin{};
    T FValue{};
};

class TIntegerRange : public TRange<int> {
public:
    TIntegerRange(int MinValue, int MaxValue, int DefaultValue)
        : TRange(MinValue, MaxValue, DefaultValue) {}
    std::string ClassName() const override { return "TIntegerRange"; }
};

class TDoubleRange : public TRange<double> {
public:
    TDoubleRange(double MinValue, double MaxValue, double DefaultValue)
        : TRange(MinValue, MaxValue, DefaultValue) {}
    std::string ClassName() const override { return "TDoubleRange"; }
};

extern template class TRange<int>;
extern template class TRange<double>;

} // namespace g20seq
