#include "ui/Editors.h"

#include "model/EditorOpeners.h"
#include "ui/FormConfigurationG20.h"
#include "ui/FormElectrodeG20.h"
#include "ui/FormProgrammationG20.h"
#include "ui/FrmAssignationPoint.h"

#include <utility>

namespace g20seq {

namespace {

struct TEditorEntry {
    TTypeZones TypeZone;
    bool (*Opener)(TZoneHolder Hold, void* aOwner, void* FormReference);
};

// The editors of the library, one row per zone type.
constexpr TEditorEntry Editors[] = {
    {PrcAssignationPoint, &TFrmAssignationPoint::Ouvrir},
    {PrcConfiguration, &TFrmConfigurationG20::Ouvrir},
    {PrcElectrodes, &TFrmElectrodeG20::Ouvrir},
    {PrcProgrammes, &TFrmProgrammationG20::Ouvrir},
};

} // namespace

void InstallEditors() {
    for (const TEditorEntry& entry : Editors)
        if (entry.Opener != nullptr)
            RegisterEditorOpener(entry.TypeZone, entry.Opener);
}

void RemoveEditors() {
    for (const TEditorEntry& entry : Editors)
        RegisterEditorOpener(entry.TypeZone, {});
}

} // namespace g20seq
