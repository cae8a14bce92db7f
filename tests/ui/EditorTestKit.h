// The controller double of the editor suites: every zone a window sends is kept in
// Envoyees and answered with itself from another thread, all before the window could show
// progress. AvantReponse, when given, first changes each zone (the value the controller
// holds) or records it elsewhere.
#pragma once

#include "interface/CustomEprom.h"
#include "model/CustomZoneCPS.h"
#include "model/EditorWindows.h"

#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace g20seq::testkit {

inline void RepondreAvecLesZonesEnvoyees(TCustomEprom& Eprom,
                                         std::vector<std::unique_ptr<TCustomZoneCPS>>& Envoyees,
                                         std::function<void(TCustomZoneCPS&)> AvantReponse = {}) {
    Eprom.SetChargerMultipleZoneCPS(
        [&Envoyees, AvantReponse = std::move(AvantReponse)](TCustomEprom*, TZoneQueue* Queue) {
            IEditorWindow* fenetre = FindEditorWindowSending(Queue);
            const std::size_t debut = Envoyees.size();
            for (auto& zone : *Queue) {
                if (AvantReponse)
                    AvantReponse(*zone);
                Envoyees.push_back(std::move(zone));
            }
            Queue->clear();
            std::thread([&] {
                for (std::size_t i = debut; i < Envoyees.size(); ++i)
                    DeliverToEditorWindow(fenetre, Envoyees[i].get(), false);
            }).join();
            return fenetre != nullptr;
        });
}

} // namespace g20seq::testkit
