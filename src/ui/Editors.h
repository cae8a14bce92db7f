// Entry of the editors library: a host that opens windows loads it beside the module and
// installs the editors once its QApplication exists; a host without windows never loads it
// (nor Qt).
//
// Installed editors are opened by the module's SaisieZone (and a zone's SaisieZoneCPS) with
// aOwner = the host's QMdiArea (each window becomes one of its sub-windows) or another
// QWidget (the window's parent), and FormReference = the host's IEditorWindow* variable or
// null (interface/EditorWindow.h).
#pragma once

#include "ui/G20SeqEditorsExport.h"

namespace g20seq {

// Puts the opener of every editor of the library into the module's table of openers.
G20SEQ_EDITORS_EXPORT void InstallEditors();
// Takes them out again (before the library is unloaded).
G20SEQ_EDITORS_EXPORT void RemoveEditors();

} // namespace g20seq
