#include "model/KEVTabSheet.h"

#include "model/DataProxy.h"
#include "model/KEVField.h"
#include "support/Exceptions.h"
#include "support/Format.h"

#include <algorithm>

namespace g20seq {

const std::array<TIDZone, OngletCount> IDOngletTable = {{
    {"IDTabTemps", "Temps"},
    {"IDTabConsignes", "Consignes de soudage"},
    {"IDTabSeuils", "Seuils"},
    {"IDTabEV", "Servovanne / Electrovannes"},
    {"IDTabProgAdvParam", "Paramètres Avancés"},
    {"IDTabLienProcess", "Lien process"},
    {"IDTabExpert", "Expert"},
    {"IDTabApprentissage", "Apprentissage"},
    {"IDTabPaliers", "Paliers et alarme"},
    {"IDTabRodage", "Rodage"},
    {"IDTabElecAdvParam", "Paramètres avancés"},
    {"IDTabTransfo", "Transformateur"},
    {"IDTabEffort", "Effort"},
    {"IDTabServices", "Services"},
    {"IDTabSelProg", "Sélection des programmes"},
    {"IDTabCU", "Compensation d'usure"},
    {"IDTabDefauts", "Défauts programmables"},
    {"IDTabESTOR", "Etats des sorties"},
    {"IDTabEthernet", "Paramètres Ethernet"},
    {"IDTabConfAdvParam", "Paramètres avancés"},
    {"IDTabCapteurs", "Capteurs"},
    {"IDTabProgrammes", "Programmes"},
    {"IDTabMF", "Moyenne Fréquence"},
    {"IDTabChainage1", "Chainage - Pince n°1"},
    {"IDTabChainage2", "Chainage - Pince n°2"},
    {"IDTabEcrans", "Ecrans"},
    {"IDTabCascade", "Cascade"},
    {"IDTabChainages", "Chaînages"},
    {"IDAssignationPoints", "N° de points"},
    {"IDTabMoteur", "Moteur"},
    {"IDTabModePince", "Mode pince"},
    {"IDTabPeriph", "Périphériques"},
    {"IDTabInterfaces", "Interfaces"},
    {"IDTabApprentissageAW", "Apprentissage MF"},
    {"IDTabSynthese", "Synthese AW"},
    {"IDTabContexte", "Contexte AW"},
    {"IDTabEtat", "Etat AW"},
    {"IDTabParametres", "Paramètres AW"},
    {"IDTabResultatsBruts", "Résultats bruts AW"},
    {"IDApprentissageAW", "Apprentisage AW"},
    {"IDTabRodeuse", "Rodeuse"},
    {"IDTabCourbeCourantRef", "Courbe I de référence"},
    {"IDTabCourbeTensionRef", "Courbe U de référence"},
    {"IDTabIdentificationSoudeuse", "Identification de la soudeuse"},
    {"IDTabProgCombine", "Programme combiné"},
    {"IDTabPosition", "Position"},
    {"IDTabMesureAPPRAW_Pince0", "Mesure apprentissage AW pince 0"},
    {"IDTabMesureAPPRAW_Pince1", "Mesure apprentissage AW pince 1"},
    {"IDTabMesureAPPRAW_Pince2", "Mesure apprentissage AW pince 2"},
    {"IDTabMesureAPPRAW_Pince3", "Mesure apprentissage AW pince 3"},
    {"IDTabMesureAPPRAW_Pince4", "Mesure apprentissage AW pince 4"},
    {"IDTabContexteAWA", "Contexte AWA"},
    {"IDTabEtatAWA", "Etat AWA"},
    {"IDTabMesuresAWA", "Mesures AWA"},
    {"IDTabDimensions", "Dimensions"},
    {"IDTabProcess", "Process"},
    {"IDTabForceCalibration", "Force calibration"},
    {"IDTabEmpilage", "Empilage"},
    {"IDTabMesureAPPRAW_Pince5", "Mesure apprentissage AW pince 5"},
    {"IDTabMesureAPPRAW_Pince6", "Mesure apprentissage AW pince 6"},
    {"IDTabParametresAWA", "Apprentisage AWA"},
    {"IDTabSyntheseAWA", "Synthese AWA"},
    {"IDTabResultatsBrutsAWA", "Résultats bruts AWA"},
    {"IDTabRegulationMF", "Régulation d'intensité"},
    {"IDTabApprentissageMF", "Calibrage MF"},
    {"IDTabConsignesWS", "Welding segments"},
    {"IDTabConsignesEffort", "Paliers d'effort"},
}};

const TIDZone& IDOnglet(TIDOnglet TabSheetID) {
    if (TabSheetID >= IDOngletTable.size())
        throw ERangeError();
    return IDOngletTable[TabSheetID];
}

TKEVTabSheet::TKEVTabSheet(TIDOnglet TabSheetID, TInterfacedPersistent* Parent)
    : FTabSheetID(TabSheetID), FParent(Parent) {
    IDOnglet(TabSheetID);
}

std::string TKEVTabSheet::ClassName() const {
    return "TKEVTabSheet";
}

THResult TKEVTabSheet::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKEVTabSheet::IID) {
        *Obj = static_cast<IKEVTabSheet*>(this);
        return THResult::S_OK;
    }
    if (IID == IKEVTabSheetEx::IID) {
        *Obj = static_cast<IKEVTabSheetEx*>(this);
        return THResult::S_OK;
    }
    return TInterfacedPersistent::QueryInterface(IID, Obj);
}

int TKEVTabSheet::AddRef() {
    return TInterfacedPersistent::AddRef();
}

int TKEVTabSheet::Release() {
    return TInterfacedPersistent::Release();
}

std::string TKEVTabSheet::GetTabSheetID() const {
    return IDOnglet(FTabSheetID).IDZone;
}

std::string TKEVTabSheet::GetCaption() const {
    const TIDZone& entry = IDOnglet(FTabSheetID);
    return Translate(IDOngletSection, entry.IDZone, entry.Libelle);
}

TKEVField* TKEVTabSheet::GetField(int Index) const {
    if (Index < 0 || static_cast<std::size_t>(Index) >= FFields.size())
        throw EStringListError(Format("List index out of bounds (%d)", Index));
    return FFields[static_cast<std::size_t>(Index)];
}

int TKEVTabSheet::IndexOf(std::string_view FieldID) const {
    for (std::size_t i = 0; i < FFields.size(); ++i)
        if (FFields[i]->FieldIDRef() == FieldID)
            return static_cast<int>(i);
    return -1;
}

TKEVField* TKEVTabSheet::GetFieldByID(const std::string& FieldID) const {
    const int index = IndexOf(FieldID);
    return index < 0 ? nullptr : FFields[static_cast<std::size_t>(index)];
}

void TKEVTabSheet::AddField(TKEVField* Field) {
    if (Field == nullptr)
        return;
    CheckNotPresent(Field);
    FFields.push_back(Field);
    Field->SetLinked(FLinked);
}

void TKEVTabSheet::InsertField(const std::string& RefFieldID, TKEVField* Field, bool ForceField) {
    if (Field == nullptr)
        return;
    CheckNotPresent(Field);
    const int index = IndexOf(RefFieldID);
    if (index >= 0) {
        FFields.insert(FFields.begin() + index, Field);
        Field->SetLinked(FLinked);
    } else if (ForceField) {
        AddField(Field);
    } else {
        throw Exception(Format(SUnableToInsert, Field->GetFieldID(), RefFieldID));
    }
}

void TKEVTabSheet::DeleteField(TKEVField* Field) {
    if (Field == nullptr)
        return;
    const int index = IndexOf(Field->FieldIDRef());
    if (index >= 0)
        FFields.erase(FFields.begin() + index);
}

void TKEVTabSheet::RemoveField(const TKEVField* Field) {
    const auto position = std::find(FFields.begin(), FFields.end(), Field);
    if (position != FFields.end())
        FFields.erase(position);
}

void TKEVTabSheet::SetInfoKEVFile(const std::string& aRubrique, TTypeZones aTypeZoneCPS,
                                  int aVersion) {
    FRubrique = aRubrique;
    FTypeZoneCPS = aTypeZoneCPS;
    FVersion = aVersion;
}

void TKEVTabSheet::SetVersion(int Value) {
    if (Value != FVersion)
        FVersion = Value;
}

void TKEVTabSheet::SetRubrique(const std::string& Value) {
    if (Value != FRubrique)
        FRubrique = Value;
}

void TKEVTabSheet::CheckNotPresent(const TKEVField* Field) const {
    if (IndexOf(Field->FieldIDRef()) >= 0)
        throw Exception(Format(SDuplicateField, Field->GetFieldID()));
}

} // namespace g20seq
