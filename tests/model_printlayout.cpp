// Page ranges and the lines of each page of a text printout.
#include "PrintLayout.h"

#include <gtest/gtest.h>

TEST(PrintLayout, PageRangesPickEachWantedPageOnceInOrder) {
    using Pages = std::vector<int32_t>;
    EXPECT_EQ(PagesToPrint(3, {}), (Pages{1, 2, 3})) << "no range: every page";
    EXPECT_EQ(PagesToPrint(3, {{2, 2}}), (Pages{2}));
    EXPECT_EQ(PagesToPrint(3, {{3, 3}, {1, 2}, {2, 3}}), (Pages{1, 2, 3}));
    EXPECT_EQ(PagesToPrint(3, {{2, 9}}), (Pages{2, 3}));
    EXPECT_TRUE(PagesToPrint(3, {{4, 5}}).empty());
    EXPECT_TRUE(PagesToPrint(0, {}).empty());
}

TEST(PrintLayout, EachPageHoldsItsShareOfTheLines) {
    // Eleven inches at 300 per inch less two one-inch margins: 60 lines of 45.
    const TextPageLayout layout = LayOutTextPages(45, 300, 3300, 150);
    ASSERT_EQ(layout.LinesPerPage, 60);
    ASSERT_EQ(layout.PageCount, 3);
    EXPECT_EQ(LinesOfPage(layout, 1), std::make_pair(0, 60));
    EXPECT_EQ(LinesOfPage(layout, 3), std::make_pair(120, 150));
    EXPECT_EQ(LinesOfPage(layout, 4), std::make_pair(150, 150)) << "past the end: none";
    EXPECT_EQ(LayOutTextPages(0, 300, 3300, 5).LinesPerPage, 1) << "a font without height";
}

TEST(PrintLayout, ChartKeepsItsProportionsOnThePage) {
    EXPECT_EQ(ChartViewportOnPage(2400, 3300), std::make_pair(2400, 1800));
    EXPECT_EQ(ChartViewportOnPage(3300, 1800), std::make_pair(2400, 1800));
}
