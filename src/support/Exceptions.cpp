#include "support/Exceptions.h"

#include "support/Format.h"

namespace g20seq {

Exception::Exception(const std::string& message) : std::runtime_error(message) {}

std::string Exception::Message() const {
    return what();
}

ERangeError::ERangeError() : Exception(SRangeError) {}

ERangeError::ERangeError(const std::string& message) : Exception(message) {}

EAbstractError::EAbstractError() : Exception(SAbstractError) {}

EAbstractError::EAbstractError(const std::string& message) : Exception(message) {}

EFieldError::EFieldError(const std::string& message, double min, double max, double value)
    : Exception(message), FMin(min), FMax(max), FValue(value) {}

EFieldError EFieldError::CreateFmtRange(const std::string& pattern, double min, double max,
                                        double value) {
    return EFieldError(Format(pattern, {value, min, max}), min, max, value);
}

EFieldError EFieldError::CreateFmtRange(const std::string& pattern, const std::string& description,
                                        double min, double max, double value) {
    return EFieldError(Format(pattern, {value, description, min, max}), min, max, value);
}

} // namespace g20seq
