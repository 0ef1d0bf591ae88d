#include <gtest/gtest.h>

#include "core/movies/MovieTypes.h"

using namespace tessaly::movies;

// The open dialog's filter is the program's own text, unchanged.
TEST(MovieTypes, DialogFilterListsAllTypesThenEachOne) {
    EXPECT_EQ(movieDialogFilter(),
              "All video files|*.mov;*.webm;*.mp4;*.m4v;*.ogg;*.qt;*.ogv|"
              "MOV video files (*.MOV)|*.mov|"
              "WEBM video files (*.WEBM)|*.webm|"
              "MP4 video files (*.MP4)|*.mp4|"
              "M4V video files (*.M4V)|*.m4v|"
              "OGG video files (*.OGG)|*.ogg|"
              "QT video files (*.QT)|*.qt|"
              "OGV video files (*.OGV)|*.ogv|");
}

TEST(MovieTypes, TypeGoesByTheLastExtensionInAnyCase) {
    ASSERT_NE(movieTypeOf("Tour.MP4"), nullptr);
    EXPECT_EQ(movieTypeOf("Tour.MP4")->mimeType, "video/mp4");
    ASSERT_NE(movieTypeOf("tour.mp4.ogv"), nullptr);
    EXPECT_EQ(movieTypeOf("tour.mp4.ogv")->extension, ".ogv");
    EXPECT_EQ(movieTypeOf("tour.mp4.avi"), nullptr);
    EXPECT_EQ(movieTypeOf("mp4"), nullptr);
}
