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

TEST(PrintLayout, PagesAreTheLinesDividedByLinesPerPageRoundedUp) {
    // Eleven inches at 300 per inch less two one-inch margins: 60 lines of 45.
    const std::pair<int32_t, int32_t> linesAndPages[] = {{0, 0},  {1, 1},   {59, 1},  {60, 1}, {61, 2},
                                                         {70, 2}, {120, 2}, {121, 3}, {-5, 0}};
    for (const auto& [lines, pages] : linesAndPages) {
        SCOPED_TRACE(lines);
        const TextPageLayout layout = LayOutTextPages(45, 300, 3300, lines);
        EXPECT_EQ(layout.LinesPerPage, 60);
        EXPECT_EQ(layout.PageCount, pages);
    }
    // Half an inch high, less than the margins: still a line on each page.
    EXPECT_EQ(LayOutTextPages(45, 300, 150, 3).LinesPerPage, 1);
    EXPECT_EQ(LayOutTextPages(45, 300, 150, 3).PageCount, 3);
}

TEST(PrintLayout, EachPageHoldsItsShareOfTheLines) {
    const TextPageLayout layout = LayOutTextPages(45, 300, 3300, 150);
    ASSERT_EQ(layout.LinesPerPage, 60);
    ASSERT_EQ(layout.PageCount, 3);
    EXPECT_EQ(LinesOfPage(layout, 1), std::make_pair(0, 60));
    EXPECT_EQ(LinesOfPage(layout, 3), std::make_pair(120, 150));
    EXPECT_EQ(LinesOfPage(layout, 4), std::make_pair(150, 150)) << "past the end: none";
    EXPECT_EQ(LayOutTextPages(0, 300, 3300, 5).LinesPerPage, 1) << "a font without height";
}
