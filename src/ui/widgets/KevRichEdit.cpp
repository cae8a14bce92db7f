#include "ui/widgets/KevRichEdit.h"

#include <algorithm>

namespace g20seq {

TKevRichEdit::TKevRichEdit(QWidget* Parent) : TKevNumberEdit(Parent) {}

TNumberShape TKevRichEdit::Shape() const {
    TNumberShape shape = TKevNumberEdit::Shape();
    shape.IntegerDigits = std::max(FNombreEntier, BoundDigits());
    return shape;
}

TKevRichEditPalierIntensite::TKevRichEditPalierIntensite(QWidget* Parent)
    : TKevRichEditPalier(Parent) {
    SetNombreEntier(1);
    SetNombreDecimale(2);
}

} // namespace g20seq
