// The audit of one station: its image compared with its reference, zone by zone, with the
// differences as the comparison reports them and the caption of each differing field.
#pragma once

#include <g20seq/model/DifferenceReporter.h>
#include <g20seq/support/Object.h>

#include <string>
#include <vector>

namespace g20seq::host {

// One differing field: the comparison's difference (own side: the image) and the
// field's caption.
struct TAuditDifference {
    TFieldDifference Difference;
    std::string Caption;
};

struct TStationAudit {
    std::string Image;
    std::string Reference;
    // Why the image could not be compared (empty when it was).
    std::string Error;
    std::vector<TAuditDifference> Differences;

    bool Failed() const { return !Error.empty(); }
    bool Equal() const { return !Failed() && Differences.empty(); }
};

// Compares the image in Image with the image or reference file in Reference: first their
// block summaries (a block of the reference that the image lacks or holds fewer bytes of
// fails the audit), then the raw data of their blocks; only the zones whose blocks differ
// and that the image text holds (InImageText with All) are read and compared value by
// value. Any error is kept in Error; nothing is raised. Safe to run on several threads at
// once, each with its own images.
TStationAudit AuditStation(const std::string& Image, const std::string& Reference, bool All,
                           TInterfacedPersistent* Protocole);

} // namespace g20seq::host
