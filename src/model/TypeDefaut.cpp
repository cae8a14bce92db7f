#include "model/TypeDefaut.h"

#include "model/DataProxy.h"
#include "support/Format.h"

#include <array>
#include <memory>

namespace g20seq {

namespace {

struct TTypeDefautRow {
    const char* Description;
    bool Bloquant;
};

// The five fault types, indexed by their number.
constexpr std::array<TTypeDefautRow, NombreTypesDefaut> TypeDefautTable = {{
    {"0 - Non bloquant", false},
    {"1 - ACQ/start=0", true},
    {"2 - Fin de cycle", true},
    {"3 - Répétition point", true},
    {"4 - Répétition point ?", true},
}};

std::array<std::unique_ptr<TTypeDefaut>, NombreTypesDefaut>& GlobalTable() {
    static std::array<std::unique_ptr<TTypeDefaut>, NombreTypesDefaut> table;
    return table;
}

void CheckTypeDefaut(int TypeDefaut) {
    if (TypeDefaut < 0 || TypeDefaut >= NombreTypesDefaut)
        throw ERangeError();
}

} // namespace

TTypeDefaut::TTypeDefaut(const std::string& aDescription, int aTypeDefaut, bool aBloquant)
    : FDescription(aDescription), FTypeDefaut(0), FBloquant(aBloquant) {
    if (aTypeDefaut < 0 || aTypeDefaut > 255)
        throw ERangeError();
    FTypeDefaut = static_cast<Byte>(aTypeDefaut);
}

std::string TTypeDefaut::GetLibelle() const {
    return Translate("IDTypeDefaut", Format("%s_%d", "IDTypeDefaut", FTypeDefaut), FDescription);
}

void CreateGlobalFaultTypes() {
    auto& table = GlobalTable();
    for (int i = 0; i < NombreTypesDefaut; ++i)
        if (!table[i])
            table[i] = std::make_unique<TTypeDefaut>(TypeDefautTable[i].Description, i,
                                                     TypeDefautTable[i].Bloquant);
}

void FreeGlobalFaultTypes() {
    for (auto& entry : GlobalTable())
        entry.reset();
}

const TTypeDefaut* GlobalFaultType(int Index) {
    CheckTypeDefaut(Index);
    return GlobalTable()[Index].get();
}

// The global table is read when it exists; before the module is loaded (or after it is
// unloaded) the values it is created from answer instead.
std::string DescriptionTypeDefaut(int TypeDefaut) {
    const TTypeDefaut* entry = GlobalFaultType(TypeDefaut);
    return entry != nullptr ? entry->GetDescription() : TypeDefautTable[TypeDefaut].Description;
}

bool TypeDefautBloquant(int TypeDefaut) {
    const TTypeDefaut* entry = GlobalFaultType(TypeDefaut);
    return entry != nullptr ? entry->GetBloquant() : TypeDefautTable[TypeDefaut].Bloquant;
}

std::string LibelleTypeDefaut(int TypeDefaut) {
    return Translate("IDTypeDefaut", Format("%s_%d", "IDTypeDefaut", TypeDefaut),
                     DescriptionTypeDefaut(TypeDefaut));
}

} // namespace g20seq
