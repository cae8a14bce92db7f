#include "support/Object.h"

#include "support/Format.h"

namespace g20seq {

TObject::~TObject() = default;

std::string TObject::ClassName() const {
    return "TObject";
}

std::string TPersistent::ClassName() const {
    return "TPersistent";
}

void TPersistent::Assign(const TPersistent* Source) {
    if (Source == nullptr)
        AssignError(nullptr);
    Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
    Dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* Source) const {
    throw EConvertError(Format("Cannot assign a %s to a %s",
                               Source != nullptr ? Source->ClassName() : std::string("nil"),
                               ClassName()));
}

std::string GUIDToString(const TGUID& guid) {
    std::string text =
        "{" + IntToHex(guid.D1, 8) + "-" + IntToHex(guid.D2, 4) + "-" + IntToHex(guid.D3, 4) + "-";
    for (int i = 0; i < 8; ++i)
        text += (i == 2 ? "-" : "") + IntToHex(guid.D4[i], 2);
    return text + "}";
}

std::string TInterfacedPersistent::ClassName() const {
    return "TInterfacedPersistent";
}

THResult TInterfacedPersistent::QueryInterface(const TGUID& /*IID*/, void** Obj) {
    if (Obj != nullptr)
        *Obj = nullptr;
    return THResult::E_NOINTERFACE;
}

int TInterfacedPersistent::AddRef() {
    return -1;
}

int TInterfacedPersistent::Release() {
    return -1;
}

} // namespace g20seq
