// Kinds of weld signature and the codes the controller gives them.
//
// The controller transmits the kind of a signature as an integer code: 0 to 11 for the
// kinds of weld, 126 and 127 for counter changes, 128 to 131 for faults,
// acknowledgements, power cuts and power-ups, 132 to 141 for tip dressing, electrode
// changes and learning. The module works with TypesSignature (declared with the EPROM,
// whose host operations convert both ways through the functions below).
//
// Order of TypesSignature (its values cross the host boundary): 0 SigProgElementaire,
// 1 SigProgChainage, 2 SigProgCascade, 3 SigDefaut, 4 SigAcquittement,
// 5 SigCoupureAlimentation, 6 SigMiseSousTension (so the logical type 0..6 derived from
// a signature's raw type is the kind's value), then the other kinds in the order of their
// codes: 1 to 11 (SigPointAW .. SigPointAQW), 126, 127, 132 to 141. The definitions of
// these functions check this order at compile time.
#pragma once

#include "interface/CustomEprom.h"

#include <string>

namespace g20seq {

// One code of the controller and the kind it stands for.
struct TCodeTypeSignature {
    int Code;
    TypesSignature Type;
};

// Every code the controller transmits, in ascending order. A code that is not listed
// stands for SigProgElementaire.
extern const TCodeTypeSignature CodesTypesSignature[27];

// The kind of a signature code; SigProgElementaire for 0 and for any code not listed.
TypesSignature TypeSignatureIntToEnum(int Code);
// The code of a kind; 0 for SigProgElementaire, SigProgChainage, SigProgCascade and for a
// value outside the enumeration.
int TypeSignatureEnumToInt(TypesSignature Value);
// The identifier of a kind ("SigDefaut"); a value outside the enumeration gives its
// decimal text.
std::string TypeSignatureName(TypesSignature Value);

} // namespace g20seq
