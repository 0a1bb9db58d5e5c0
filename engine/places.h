#pragma once
// Where each passage of the story takes place: the quest screen's left panel shows the place's
// illustration. Presentation only: nothing of the story's rules reads this table.

#include <QString>

#include <span>

namespace vortelia {

enum class Place : unsigned char {
    Hall,        // the hall of entrances
    Restaurant,  // the virtual restaurant
    Underwater,  // the underwater world
    Island,      // Treasure Island
    City,        // Virtual City: streets, the club, the guest flat
    Bank,        // the Virtual Bank
    Museum,      // the museum of the worlds
    Planetarium, // the planetarium
    Road,        // the driverless car and the chase
    Laboratory,  // the laboratory, its cyber-chairs and the hosts behind them
    Houses,      // the quiet valley with its houses
};

struct PlaceRow {
    const char* story; // game path of the passage, as the tables write it
    Place place;
};

// Every story file, in the order of its number.
std::span<const PlaceRow> placeTable();
// The place of a passage; the hall for a file the table does not know.
Place placeOf(const QString& storyPath);
// The resource of the place's illustration, 432 x 582 pixels.
QString placePicture(Place place);

} // namespace vortelia
