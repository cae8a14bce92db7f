// The number edits of the editors' forms and their step variants. A rich edit carries a
// layout of integer digits and decimals (which the editors change as the value moves),
// a data kind that the editors set with it, and does not correct what is typed: the
// field it is written into keeps its own limits. At creation: 5 integer digits, no
// decimals, data kind 0.
#pragma once

#include "ui/widgets/KevNumberEdit.h"

namespace g20seq {

class TKevRichEdit : public TKevNumberEdit {
    Q_OBJECT
    Q_PROPERTY(int NombreEntier READ NombreEntier WRITE SetNombreEntier)
    Q_PROPERTY(int NombreDecimale READ NombreDecimale WRITE SetNombreDecimale)
    Q_PROPERTY(int Donnee READ Donnee WRITE SetDonnee)
public:
    explicit TKevRichEdit(QWidget* Parent = nullptr);

    int NombreEntier() const { return FNombreEntier; }
    void SetNombreEntier(int Digits) { FNombreEntier = Digits; }
    int NombreDecimale() const { return FNombreDecimale; }
    void SetNombreDecimale(int Digits) { FNombreDecimale = Digits; }
    int Donnee() const { return FDonnee; }
    void SetDonnee(int Kind) { FDonnee = Kind; }

    // The layout's integer digits, or those of the larger bound when there are more:
    // a number the bounds allow is never refused because the layout is still narrow.
    TNumberShape Shape() const override;

protected:
    int Decimals() const override { return FNombreDecimale; }

private:
    int FNombreEntier = 5;
    int FNombreDecimale = 0;
    int FDonnee = 0;
};

// A step edit: its step number (1..10) is its Tag, so that one handler serves the ten.
class TKevRichEditPalier : public TKevRichEdit {
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
public:
    explicit TKevRichEditPalier(QWidget* Parent = nullptr) : TKevRichEdit(Parent) {}

    int Tag() const { return FTag; }
    void SetTag(int Step) { FTag = Step; }

private:
    int FTag = 0;
};

// The point count of a step, told whether the configuration links the points of the
// following steps (IDCUPointsLies).
class TKevRichEditPalierPoint : public TKevRichEditPalier {
    Q_OBJECT
    Q_PROPERTY(bool PointsLies READ PointsLies WRITE SetPointsLies)
public:
    explicit TKevRichEditPalierPoint(QWidget* Parent = nullptr) : TKevRichEditPalier(Parent) {}

    bool PointsLies() const { return FPointsLies; }
    void SetPointsLies(bool Linked) { FPointsLies = Linked; }

private:
    bool FPointsLies = false;
};

// The current set point of a step: decimal from the start (1 integer digit, 2 decimals).
class TKevRichEditPalierIntensite : public TKevRichEditPalier {
    Q_OBJECT
public:
    explicit TKevRichEditPalierIntensite(QWidget* Parent = nullptr);
};

} // namespace g20seq
