#pragma once

#include <QString>

#include <functional>

class QWidget;
class TSonucBilgisi;

namespace vorpa {

class DSConnection;

/// Shows the opening advertisement window once the start-up feeds are done, and leads the user
/// where the clicked advertisement points: the campaign tab, the new items tab or a stock search.
class OpeningAdvertisement {
public:
    struct Actions {
        std::function<void()> showCampaigns;        // "#KAMPANYA#"
        std::function<void()> showNewItems;         // "#YENİ#"
        std::function<void(const QString &)> search; // any other text
    };

    /// With a count of 0 nothing is shown. Otherwise the window is shown modally and, when it
    /// closes with a chosen advertisement, the matching action runs after the window is freed.
    static void Goster(QWidget *owner, int acilisadet, DSConnection &bagc, TSonucBilgisi &sbilgi,
                       const Actions &actions);
};

} // namespace vorpa
