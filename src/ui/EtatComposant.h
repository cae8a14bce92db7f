// Controls that keep their own state in the window's settings (the control package's state
// interface, {E2C79F8C-F676-4A83-9EED-83A412AD70F9}): a window asks each of its controls
// that implements it to save its state when the window closes and to restore it when the
// window shows. The settings of a window are the host's settings service, in the section
// named after the window.
#pragma once

#include "interface/ProxyInterface.h"

#include <string>

namespace g20seq {

class IEtatComposant {
public:
    static constexpr TGUID IID = GuidFromString("{E2C79F8C-F676-4A83-9EED-83A412AD70F9}");
    virtual void SauverEtat(ISettingsProxy& Settings, const std::string& Section) = 0;
    virtual void RestaurerEtat(ISettingsProxy& Settings, const std::string& Section) = 0;

protected:
    ~IEtatComposant() = default;
};

} // namespace g20seq
