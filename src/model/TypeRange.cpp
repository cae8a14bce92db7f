#include "model/TypeRange.h"

#include "support/Format.h"

namespace g20seq {

namespace {

// An integer range refused by SetRange shows the value held before the call; a double
// range shows the requested default.
std::string SetRangeMessage(int Min, int Max, int, int Value) {
    return Format("Range Error : Min {%d} <= Value {%d} <= Max {%d}", Min, Value, Max);
}

std::string SetRangeMessage(double Min, double Max, double Default, double) {
    return Format("Range Error : Min {%f} <= Default {%f} <= Max {%f}", Min, Default, Max);
}

std::string ValueMessage(int Min, int Max, int Default) {
    return Format("Range Error : Min {%d} <= Default {%d} <= Max {%d}", Min, Default, Max);
}

std::string ValueMessage(double Min, double Max, double Default) {
    return Format("Range Error : Min {%f} <= Default {%f} <= Max {%f}", Min, Default, Max);
}

} // namespace

template <typename T> TRange<T>::TRange(T MinValue, T MaxValue, T DefaultValue) {
    SetRange(MinValue, MaxValue, DefaultValue);
}

template <typename T> void TRange<T>::SetRange(T MinValue, T MaxValue, T DefaultValue) {
    if (!(MinValue <= DefaultValue && DefaultValue <= MaxValue))
        throw ERangeError(SetRangeMessage(MinValue, MaxValue, DefaultValue, FValue));
    FMin = MinValue;
    FMax = MaxValue;
    FDefault = DefaultValue;
    FValue = DefaultValue;
}

template <typename T> void TRange<T>::SetValue(T Value) {
    if (Value == FValue)
        return;
    if (!IsRange(Value))
        throw ERangeError(ValueMessage(FMin, FMax, FDefault));
    FValue = Value;
}

template <typename T> void TRange<T>::Assign(const TPersistent* Source) {
    if (Source == nullptr || Source->ClassName() != ClassName()) {
        TPersistent::Assign(Source);
        return;
    }
    const auto& other = dynamic_cast<const TRange<T>&>(*Source);
    FDefault = other.FDefault;
    FMax = other.FMax;
    FMin = other.FMin;
    FValue = other.FValue;
}

template <typename T> bool TRange<T>::Equals(const TPersistent* Other) const {
    if (Other == nullptr || Other->ClassName() != ClassName())
        return false;
    const auto& other = dynamic_cast<const TRange<T>&>(*Other);
    return FDefault == other.FDefault && FMax == other.FMax && FMin == other.FMin &&
           FValue == other.FValue;
}

template class TRange<int>;
template class TRange<double>;

} // namespace g20seq
