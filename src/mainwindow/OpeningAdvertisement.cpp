#include "OpeningAdvertisement.h"

#include "requests/acilisreklamu.h"

#include <memory>

namespace vorpa {

void OpeningAdvertisement::Goster(QWidget *owner, int acilisadet, DSConnection &bagc, TSonucBilgisi &sbilgi,
                                  const Actions &actions)
{
    if (acilisadet == 0)
        return;
    QString arama;
    {
        auto window = std::make_unique<Tacilisreklam>(owner);
        window->Ac(owner, bagc, sbilgi);
        if (window->exec() != Tacilisreklam::Secildi)
            return;
        arama = window->arama;
    }
    if (arama == Tacilisreklam::KampanyaArama) {
        if (actions.showCampaigns)
            actions.showCampaigns();
    } else if (arama == Tacilisreklam::YeniArama) {
        if (actions.showNewItems)
            actions.showNewItems();
    } else if (actions.search) {
        actions.search(arama);
    }
}

} // namespace vorpa
