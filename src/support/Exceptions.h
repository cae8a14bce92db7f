#pragma once

#include "support/G20SeqExport.h"

#include <stdexcept>
#include <string>

namespace g20seq {

// Message of the runtime's range error: a value outside the width of its storage, an
// index outside a buffer, a character that does not fit one byte.
inline constexpr const char* SRangeError = "Range check error";
// Message of the abstract error: an operation that a class family leaves to its members.
inline constexpr const char* SAbstractError = "Abstract Error";

// Base of every exception the system raises. The message is the system's own text.
class G20SEQ_EXPORT Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message);

    std::string Message() const;
};

// A value outside its storage width or an index outside its container.
class G20SEQ_EXPORT ERangeError : public Exception {
public:
    ERangeError();
    explicit ERangeError(const std::string& message);
};

// A text that is not a number, a wrong assignment, a format that does not fit its
// arguments, an impossible date or time.
class G20SEQ_EXPORT EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Misuse of a string list: index out of bounds, refused duplicate, insertion into a
// sorted list.
class G20SEQ_EXPORT EStringListError : public Exception {
public:
    using Exception::Exception;
};

// Call of an operation that the class leaves to its subclasses.
class G20SEQ_EXPORT EAbstractError : public Exception {
public:
    EAbstractError();
    explicit EAbstractError(const std::string& message);
};

// A wrong value given to a field. The range form also carries the limits and the
// rejected value, in display units.
class G20SEQ_EXPORT EFieldError : public Exception {
public:
    using Exception::Exception;

    // Range error of a field whose message shows only numbers: the pattern is formatted
    // with (value, min, max), each as a floating point number ("%g").
    static EFieldError CreateFmtRange(const std::string& pattern, double min, double max,
                                      double value);
    // Range error of a field: the pattern is formatted with (value, description, min,
    // max), the order in which the field range message
    // "%g n'est pas une valeur correcte pour le champ '%s'. ..." uses them.
    static EFieldError CreateFmtRange(const std::string& pattern, const std::string& description,
                                      double min, double max, double value);

    double FMin = 0.0;
    double FMax = 0.0;
    double FValue = 0.0;

private:
    EFieldError(const std::string& message, double min, double max, double value);
};

} // namespace g20seq
