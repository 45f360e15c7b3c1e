#include "world/TileRects.h"

#include <gtest/gtest.h>

namespace {

TileRect cell(float col, float row, int key) {
    return {col * 20, row * 20, 20, 20, key};
}

float area(const std::vector<TileRect>& rects, int key) {
    float sum = 0;
    for (const TileRect& r : rects)
        sum += r.key == key ? r.w * r.h : 0;
    return sum;
}

TEST(TileRectsTest, ABlockBecomesOneRectangleAndKeysNeverMix) {
    std::vector<TileRect> cells;
    for (int row = 2; row < 5; ++row)
        for (int col = 7; col >= 3; --col)
            cells.push_back(cell(col, row, 1));
    cells.push_back(cell(8, 4, 2));  // next to the last cell of key 1 in place, not in key
    std::vector<TileRect> merged = TileRects::merge(cells, TileRects::BOTH);
    ASSERT_EQ(merged.size(), 2u);
    EXPECT_EQ(merged[0].key, 1);
    EXPECT_FLOAT_EQ(merged[0].x, 60);
    EXPECT_FLOAT_EQ(merged[0].y, 40);
    EXPECT_FLOAT_EQ(merged[0].w, 100);
    EXPECT_FLOAT_EQ(merged[0].h, 60);
    EXPECT_EQ(merged[1].key, 2);
}

TEST(TileRectsTest, OnlyWholeSharedSidesJoin) {
    // An L: the row of three joins, the cell below its end cannot join it down the column.
    std::vector<TileRect> merged =
        TileRects::merge({cell(0, 0, 5), cell(1, 0, 5), cell(2, 0, 5), cell(2, 1, 5), cell(4, 0, 5)}, TileRects::BOTH);
    ASSERT_EQ(merged.size(), 3u);
    EXPECT_FLOAT_EQ(area(merged, 5), 5 * 400);
    for (const TileRect& r : merged)
        EXPECT_TRUE(r.w == 60 || r.w == 20) << r.x << "," << r.y;
}

TEST(TileRectsTest, DirectionsLimitTheJoins) {
    std::vector<TileRect> square = {cell(0, 0, 1), cell(1, 0, 1), cell(0, 1, 1), cell(1, 1, 1)};
    std::vector<TileRect> rows = TileRects::merge(square, TileRects::ALONG_ROWS);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_FLOAT_EQ(rows[0].w, 40);
    EXPECT_FLOAT_EQ(rows[0].h, 20);
    std::vector<TileRect> columns = TileRects::merge(square, TileRects::DOWN_COLUMNS);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_FLOAT_EQ(columns[0].w, 20);
    EXPECT_FLOAT_EQ(columns[0].h, 40);
}

TEST(TileRectsTest, ResultIsOrderedByKeyAndOffGridNeighboursStayApart) {
    std::vector<TileRect> merged =
        TileRects::merge({cell(3, 0, 9), cell(0, 0, 4), {20.5f, 0, 20, 20, 4}, cell(5, 5, 1)}, TileRects::BOTH);
    ASSERT_EQ(merged.size(), 4u);
    EXPECT_EQ(merged[0].key, 1);
    EXPECT_EQ(merged[1].key, 4);
    EXPECT_EQ(merged[2].key, 4);
    EXPECT_EQ(merged[3].key, 9);
    EXPECT_TRUE(TileRects::merge({}, TileRects::BOTH).empty());
}

} // namespace
