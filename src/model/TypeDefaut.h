// Fault types: how the controller reacts to a fault, from "0 - Non bloquant" to
// "4 - Répétition point ?".
//
// The module holds one global table of the five fault types, created when the module is
// loaded and freed when it is unloaded. Fault definitions read their blocking flag and
// the default caption of their type from it.
#pragma once

#include "support/Object.h"
#include "support/Types.h"

#include <string>

namespace g20seq {

class TTypeDefaut : public TObject {
public:
    // aTypeDefaut must fit a byte (0..255); a range error otherwise.
    TTypeDefaut(const std::string& aDescription, int aTypeDefaut, bool aBloquant);

    std::string ClassName() const override { return "TTypeDefaut"; }

    const std::string& GetDescription() const { return FDescription; }
    Byte GetTypeDefaut() const { return FTypeDefaut; }
    bool GetBloquant() const { return FBloquant; }
    // Caption of the type through the host's translations.
    std::string GetLibelle() const;

private:
    std::string FDescription;
    Byte FTypeDefaut;
    bool FBloquant;
};

// Number of fault types of the global table (types 0 to 4).
inline constexpr int NombreTypesDefaut = 5;

// Creates the global table in the order of the types (load of the module). Calling it
// again while the table exists does nothing.
void CreateGlobalFaultTypes();
// Frees the global table (unload of the module).
void FreeGlobalFaultTypes();
// Entry Index (0..4) of the global table, or nullptr while the table is not created.
// An index outside 0..4 raises a range error.
const TTypeDefaut* GlobalFaultType(int Index);

// Default French caption of fault type t, as the global table is created with it.
// A type outside 0..4 raises a range error.
std::string DescriptionTypeDefaut(int TypeDefaut);
// Blocking flag of fault type t. A type outside 0..4 raises a range error.
bool TypeDefautBloquant(int TypeDefaut);
// Caption of fault type t: section "IDTypeDefaut", key "IDTypeDefaut_<t>", default the
// type's description. A type outside 0..4 raises a range error.
std::string LibelleTypeDefaut(int TypeDefaut);

} // namespace g20seq
