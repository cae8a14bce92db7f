// The point assignment table while an editor works on it.
//
// The handler loads every entry zone of the EPROM (the loaded list, in zone order), keeps
// the valid entries sorted by stored point number (the current list, the table the editor
// shows), applies the editor's pending edits to the current list, and turns the edited
// table back into zones to send: entry i of the sorted table goes to the i-th entry zone.
// Both lists hold copies; nothing changes the EPROM's zones until the editor sends the
// queued zones.
#pragma once

#include "interface/CustomEprom.h"
#include "support/G20SeqExport.h"
#include "support/Object.h"
#include "support/StringList.h"

#include <cstdint>
#include <string>

namespace g20seq {

class TAssignationPoints;

// Pending edit of the table.
enum THandlingState : std::uint8_t { hsNone, hsAdd, hsAlter, hsDelete };

// Client kind of the editor's point number edit: how it shows and accepts point numbers.
// The handler stores it as given; the editor uses the configuration's display modes
// (ModeSansAssignation, ModeFormatPSA).
using TModeAssignation = int;

class G20SEQ_EXPORT TAssignationHandler : public TObject {
public:
    // The EPROM is not owned; without one nothing is loaded and no template exists.
    explicit TAssignationHandler(TCustomEprom* Owner);
    ~TAssignationHandler() override;
    TAssignationHandler(const TAssignationHandler&) = delete;
    TAssignationHandler& operator=(const TAssignationHandler&) = delete;

    std::string ClassName() const override;

    // Loads the table: a copy of every entry zone into the loaded list, and a copy of every
    // valid entry into the current list. Two valid entries with the same stored point
    // number raise the sorted list's duplicate error.
    void ChargerDonneesPoints(TObject* Sender);

    // Pending edits. Add refuses, with a warning dialog, when the table is full.
    void Add();
    void Alter(int Index);
    void Delete(int Index);
    void Cancel();
    // Applies the pending edit and answers the entry's new position in the current list,
    // or -1 (delete, no edit). A point number already in the table raises the list's
    // duplicate error and leaves the table as it was. The edit is over in every case.
    int Validate(const std::string& NumPoint, int NumProg);

    // Point number as shown, and program, of entry Indice of the current list.
    std::string GetNumPoint(int Indice) const;
    int GetNumProg(int Indice) const;

    // When the table differs from the loaded entries: rewrites each changed position onto
    // its entry zone and invalidates the entries left over at the end. Each rewritten zone
    // is listed in FZones_Transferees under the loaded entry's label ("%s=%d") with the
    // loaded entry, and a copy of it is queued in FZones_a_Transferer (owned by the
    // queue's user).
    void EnregistrerModificationsPoints(TStringList* FZones_Transferees,
                                        TZoneQueue* FZones_a_Transferer);

    // The controller's answer for a loaded entry, already assigned into it by the transfer:
    // the table's entry at the same position takes the same values, so that the window
    // shows what the controller holds and no longer counts it as modified.
    void Recevoir(const TCustomZoneCPS& Chargee);

    // Changes the point number mode. A non-empty table is lost: the user is asked first,
    // and only Yes goes on. Answers whether the mode changed.
    bool ChangeModeAssignationPoint(TModeAssignation Mode);

    THandlingState GetHandlingState() const { return FHandlingState; }
    int GetHandlingIndex() const { return FHandlingIndex; }
    TModeAssignation GetModeAssignation() const { return FModeAssignation; }
    bool GetDonnesModifiees() const;
    // Entries of the table.
    int Count() const { return FCurrentPointList.Count(); }
    // Entry zones of the EPROM (max - min + 1 of PrcAssignationPoint); 0 without EPROM.
    int MaxCount() const;

    // The lists themselves (editor and tests).
    const TStringList& OriginalPointList() const { return FOriginalPointList; }
    const TStringList& CurrentPointList() const { return FCurrentPointList; }

private:
    TAssignationPoints* Original(int Index) const;
    TAssignationPoints* Current(int Index) const;
    // Number of the first entry zone (0 without description).
    int PremiereZone() const;
    // A copy of entry zone Numero of the EPROM, or nullptr (logged).
    std::unique_ptr<TAssignationPoints> CopieZone(int Numero) const;
    int ValidateAdd(const std::string& NumPoint, int NumProg);
    int ValidateAlter(const std::string& NumPoint, int NumProg);
    int ValidateDelete();
    // Lists the loaded entry at Index and queues a copy of Zone.
    void Transferer(int Index, const TAssignationPoints& Zone, TStringList* FZones_Transferees,
                    TZoneQueue* FZones_a_Transferer) const;

    TModeAssignation FModeAssignation = 0;
    TCustomEprom* FEprom;
    THandlingState FHandlingState = hsNone;
    int FHandlingIndex = -1;
    TStringList FOriginalPointList;
    TStringList FCurrentPointList;
};

} // namespace g20seq
