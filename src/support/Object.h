#pragma once

#include "support/Exceptions.h"
#include "support/G20SeqExport.h"
#include "support/Types.h"

#include <cstdint>
#include <string>
#include <typeinfo>

namespace g20seq {

// Root of the system's classes. ClassName() is the system's name of the class (for
// example "TKEVIntegerField"); it appears in messages, log entries and file headers, so
// every subclass overrides it.
class G20SEQ_EXPORT TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject(TObject&&) = default;
    TObject& operator=(const TObject&) = default;
    TObject& operator=(TObject&&) = default;
    virtual ~TObject();

    virtual std::string ClassName() const;
};

// An object whose state can be copied from another through Assign. A class that knows
// how to copy from a source overrides Assign; a class that knows how to copy itself into
// a destination overrides AssignTo. What neither knows raises EConvertError
// "Cannot assign a <source class> to a <destination class>".
class G20SEQ_EXPORT TPersistent : public TObject {
public:
    std::string ClassName() const override;

    // Copies Source into this object by asking the source to AssignTo(this); a null
    // source cannot be assigned ("Cannot assign a nil to a ...").
    virtual void Assign(const TPersistent* Source);

protected:
    virtual void AssignTo(TPersistent* Dest) const;
    // Raises the assignment error for Source (which may be null) into this object.
    [[noreturn]] void AssignError(const TPersistent* Source) const;
};

// Source as class T, given an object Like of that class: a static conversion when Source
// is of exactly Like's dynamic class (the same type information object), dynamic_cast
// otherwise. Copies and comparisons between objects of one class, the common case, then
// cost no cast. T must derive from TSource without virtual inheritance.
template <class T, class TSource> const T* CastLike(const TSource* Source, const T& Like) {
    if (Source != nullptr && &typeid(*Source) == &typeid(Like))
        return static_cast<const T*>(Source);
    return dynamic_cast<const T*>(Source);
}

// Source as class T: a static conversion when Source is of exactly class T, dynamic_cast
// otherwise. For look-ups that nearly always meet the class itself, not a descendant.
template <class T, class TSource> T* CastExact(TSource* Source) {
    if (Source != nullptr && typeid(*Source) == typeid(T))
        return static_cast<T*>(Source);
    return dynamic_cast<T*>(Source);
}

// Identifier of an interface: 128 bits written "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
struct TGUID {
    LongWord D1;
    Word D2;
    Word D3;
    Byte D4[8];

    friend constexpr bool operator==(const TGUID&, const TGUID&) = default;
};

namespace detail {

constexpr LongWord GuidHex(const char* text, int first, int count) {
    LongWord value = 0;
    for (int i = first; i < first + count; ++i) {
        const char c = text[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0)
            throw EConvertError("Invalid GUID format");
        value = value * 16 + static_cast<LongWord>(digit);
    }
    return value;
}

} // namespace detail

// Reads an identifier written with braces and dashes; usable in constant expressions, where
// a malformed text is a compile-time error (EConvertError at run time).
constexpr TGUID GuidFromString(const char (&text)[39]) {
    if (text[0] != '{' || text[9] != '-' || text[14] != '-' || text[19] != '-' || text[24] != '-' ||
        text[37] != '}')
        throw EConvertError("Invalid GUID format");
    TGUID guid{detail::GuidHex(text, 1, 8),
               static_cast<Word>(detail::GuidHex(text, 10, 4)),
               static_cast<Word>(detail::GuidHex(text, 15, 4)),
               {}};
    constexpr int Positions[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i)
        guid.D4[i] = static_cast<Byte>(detail::GuidHex(text, Positions[i], 2));
    return guid;
}

// The braced text of an identifier, upper-case hexadecimal digits.
G20SEQ_EXPORT std::string GUIDToString(const TGUID& guid);

// Answer of an interface query, as the host contract gives it: S_OK (0) when the object
// offers the interface, E_NOINTERFACE (0x80004002) when it does not. A scoped enumeration
// that never converts to bool, so that no test of the answer reads it the wrong way round.
enum class THResult : std::int32_t {
    S_OK = 0,
    E_NOINTERFACE = static_cast<std::int32_t>(0x80004002u),
};

// A persistent object that answers interface queries. Objects of the system are freed by
// their owners, never through interface references: AddRef and Release do nothing.
class G20SEQ_EXPORT TInterfacedPersistent : public TPersistent {
public:
    std::string ClassName() const override;

    // Stores in *Obj the interface identified by IID and answers S_OK, or stores null and
    // answers E_NOINTERFACE. The base class implements no interface.
    virtual THResult QueryInterface(const TGUID& IID, void** Obj);
    virtual int AddRef();
    virtual int Release();
};

} // namespace g20seq
