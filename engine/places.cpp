#include "engine/places.h"

namespace vortelia {
namespace {

using enum Place;

// clang-format off
constexpr PlaceRow places[] = {
    {"text\\gt1.tf",  Hall},
    {"text\\gt2.tf",  Restaurant},
    {"text\\gt3.tf",  Hall},
    {"text\\gt4.tf",  Island},
    {"text\\gt5.tf",  Island},
    {"text\\gt6.tf",  Underwater},
    {"text\\gt7.tf",  Underwater},
    {"text\\gt8.tf",  Hall},
    {"text\\gt9.tf",  Hall},
    {"text\\gt10.tf", Hall},
    {"text\\gt11.tf", Hall},
    {"text\\gt12.tf", Hall},
    {"text\\gt13.tf", City},
    {"text\\gt14.tf", City},
    {"text\\gt15.tf", City},
    {"text\\gt16.tf", Bank},
    {"text\\gt17.tf", Bank},
    {"text\\gt18.tf", Bank},
    {"text\\gt19.tf", City},
    {"text\\gt20.tf", City},
    {"text\\gt21.tf", Museum},
    {"text\\gt22.tf", Museum},
    {"text\\gt23.tf", Planetarium},
    {"text\\gt24.tf", Planetarium},
    {"text\\gt25.tf", City},
    {"text\\gt26.tf", City},
    {"text\\gt27.tf", City},
    {"text\\gt28.tf", City},
    {"text\\gt29.tf", City},
    {"text\\gt30.tf", City},
    {"text\\gt31.tf", City},
    {"text\\gt32.tf", Road},
    {"text\\gt33.tf", City},
    {"text\\gt34.tf", Road},
    {"text\\gt35.tf", Road},
    {"text\\gt36.tf", Road},
    {"text\\gt37.tf", Laboratory},
    {"text\\gt38.tf", Laboratory},
    {"text\\gt39.tf", Laboratory},
    {"text\\gt40.tf", Laboratory},
    {"text\\gt41.tf", Laboratory},
    {"text\\gt42.tf", Laboratory},
    {"text\\gt43.tf", Laboratory},
    {"text\\gt44.tf", Laboratory},
    {"text\\gt45.tf", Laboratory},
    {"text\\gt46.tf", Laboratory},
    {"text\\gt47.tf", Laboratory},
    {"text\\gt48.tf", Houses},
    {"text\\gt49.tf", Houses},
    {"text\\gt50.tf", Houses},
    {"text\\gt51.tf", Houses},
    {"text\\gt52.tf", Houses},
    {"text\\gt53.tf", Houses},
    {"text\\gt54.tf", Houses},
    {"text\\gt55.tf", Houses},
    {"text\\gt56.tf", Houses},
    {"text\\gt57.tf", Hall},
};
// clang-format on

constexpr const char* pictures[] = {
    ":/art/place_hall.svg",       ":/art/place_restaurant.svg",  ":/art/place_underwater.svg",
    ":/art/place_island.svg",     ":/art/place_city.svg",        ":/art/place_bank.svg",
    ":/art/place_museum.svg",     ":/art/place_planetarium.svg", ":/art/place_road.svg",
    ":/art/place_laboratory.svg", ":/art/place_houses.svg",
};

} // namespace

std::span<const PlaceRow> placeTable() {
    return places;
}

Place placeOf(const QString& storyPath) {
    for (const PlaceRow& row : places) {
        if (storyPath.compare(QLatin1String(row.story), Qt::CaseInsensitive) == 0)
            return row.place;
    }
    return Hall;
}

QString placePicture(Place place) {
    return QLatin1String(pictures[static_cast<size_t>(place)]);
}

} // namespace vortelia
