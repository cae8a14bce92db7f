// Transformer ratio graph of an electrode: the low-current slope from (0, Oi) to where
// it meets the normal slope, the normal slope on to three times that abscissa (first
// series), and the low-current limit as a vertical line (second series). Both lines are
// green, the limit yellow; the line the last changed parameter moves is red.
#pragma once

#include "support/Object.h"
#include "ui/ChartSeries.h"

#include <array>

namespace g20seq {

// The electrode values the graph draws; prmAucunParam highlights nothing.
enum TParamGraphRapport {
    prmAucunParam,
    prmRapportTransfo,    // R
    prmOffsetRapport,     // O
    prmRapportTransfoInt, // Ri
    prmOffsetRapportInt,  // Oi
    prmLimiteIntFaible,   // L
};

class TGraphRapport : public TObject {
public:
    explicit TGraphRapport(IChart* GraphiqueRapport);

    std::string ClassName() const override { return "TGraphRapport"; }

    // Access for prmRapportTransfo .. prmLimiteIntFaible; any other parameter is logged,
    // nothing is stored and reading answers 0.
    double GetValeurParam(TParamGraphRapport Param) const;
    void SetValeurParam(TParamGraphRapport Param, double Value);

    // Redraws, the line that Param moves in red.
    void Actualiser(TParamGraphRapport Param);

private:
    bool ParamValide(TParamGraphRapport Param, const char* Methode) const;
    double V(TParamGraphRapport Param) const { return FValeurs[Param - 1]; }
    void LogSansSerie() const;

    IChart* FGraphique;
    std::array<double, 5> FValeurs{};
};

} // namespace g20seq
