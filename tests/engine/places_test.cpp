// The place table behind the quest screen's illustrations: every passage the story can load has
// a place, and every place has a picture among the program's resources.

#include "engine/choice_tables.h"
#include "engine/places.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QSvgRenderer>

using namespace vortelia;

namespace {

// The passages the story loads: the opening's, the F8 key's, and every table row's.
QSet<QString> loadedPassages() {
    QSet<QString> paths{QStringLiteral("text\\gt1.tf"), QStringLiteral("text\\gt57.tf")};
    for (int slot = 0; slot < 3; ++slot) {
        for (const Transition& row : choiceTable(slot).rows) {
            if (row.story)
                paths.insert(QString::fromUtf8(row.story));
        }
    }
    return paths;
}

bool inTable(const QString& path) {
    for (const PlaceRow& row : placeTable()) {
        if (path == QLatin1String(row.story))
            return true;
    }
    return false;
}

} // namespace

TEST(Places, EveryPassageTheStoryLoadsHasAPlaceWithAPicture) {
    const QSet<QString> passages = loadedPassages();
    ASSERT_GT(passages.size(), 2);
    for (const QString& path : passages) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(inTable(path)) << "no row for this passage";
        const QString picture = placePicture(placeOf(path));
        ASSERT_TRUE(QFile::exists(picture)) << picture.toStdString();
        QSvgRenderer renderer(picture);
        ASSERT_TRUE(renderer.isValid()) << picture.toStdString();
        EXPECT_EQ(renderer.defaultSize(), QSize(432, 582)) << picture.toStdString();
    }
}

TEST(Places, EachStoryFileHasOneRowAndEveryPlaceIsUsed) {
    QSet<QString> seen;
    QSet<Place> used;
    for (const PlaceRow& row : placeTable()) {
        const QString path = QLatin1String(row.story);
        EXPECT_FALSE(seen.contains(path)) << "twice: " << row.story;
        seen.insert(path);
        used.insert(row.place);
        const QString source = QStringLiteral(VORTELIA_SOURCE_DIR "/assets/text/") +
                               path.sliced(5).replace(QStringLiteral(".tf"), QStringLiteral(".txt"));
        EXPECT_TRUE(QFile::exists(source)) << "no such passage: " << row.story;
    }
    for (int i = 1; i <= 57; ++i)
        EXPECT_TRUE(seen.contains(QStringLiteral("text\\gt%1.tf").arg(i))) << "gt" << i;
    EXPECT_EQ(used.size(), static_cast<qsizetype>(Place::Houses) + 1);
}

TEST(Places, PlacesFollowTheStory) {
    const struct {
        const char* story;
        Place place;
    } cases[] = {
        {"text\\gt1.tf", Place::Hall},     {"text\\gt2.tf", Place::Restaurant},
        {"text\\gt4.tf", Place::Island},   {"text\\gt6.tf", Place::Underwater},
        {"text\\gt14.tf", Place::City},    {"text\\gt16.tf", Place::Bank},
        {"text\\gt21.tf", Place::Museum},  {"text\\gt23.tf", Place::Planetarium},
        {"text\\gt34.tf", Place::Road},    {"text\\gt39.tf", Place::Laboratory},
        {"text\\gt51.tf", Place::Houses},  {"TEXT\\GT2.TF", Place::Restaurant},
        {"text\\nowhere.tf", Place::Hall}, {"", Place::Hall},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeOf(QString::fromUtf8(c.story)), c.place) << c.story;
    // Each place has a picture of its own.
    QSet<QString> pictures;
    for (int p = 0; p <= static_cast<int>(Place::Houses); ++p)
        pictures.insert(placePicture(static_cast<Place>(p)));
    EXPECT_EQ(pictures.size(), static_cast<qsizetype>(Place::Houses) + 1);
}
