#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "database/player_record.h"
#include "database/player_statistics.h"
#include "database/playoff_bracket.h"
#include "database/roster_slots.h"
#include "database/safe_strings.h"
#include "database/settings.h"
#include "database/universe.h"
#include "dialogs/column_sets.h"
#include "dialogs/listview_engine.h"
#include "platform/controls.h"
#include "platform/list_view.h"
#include "platform/windows.h"
#include "player_dialogs_fixture.h"

namespace {
class ListviewEngine : public PlayerDialogsTest {
  protected:
    void SetUp() override {
        PlayerDialogsTest::SetUp();
        if (!Is_Window_Class_Registered(Get_Control_Class_Name(CONTROL_LIST_VIEW))) Register_Controls();
        list_ = Create_Window(Get_Control_Class_Name(CONTROL_LIST_VIEW), "", WINDOW_CHILD | WINDOW_VISIBLE,
                              {10, 10, 610, 410}, Main_Window, 1124, 0);
        ASSERT_NE(list_, NO_WINDOW);
        data_ = std::make_unique<LISTVIEW_DATA>();
        safe_strncpy(data_->Name, "LVD_Test", LISTVIEW_NAME_SIZE);
        data_->Dialog_Window = Main_Window;
        data_->List_Window = list_;
        Init_Listview_Data(data_.get());
    }
    // Columns by id, then one row per code in the order given.
    void Show(std::initializer_list<int32_t> columns, const std::vector<int32_t>& codes) {
        data_->Column_Count = 0;
        for (int32_t id : columns)
            data_->Column_Ids[data_->Column_Count++] = id;
        Rebuild_Listview_Columns(data_.get());
        Refill(codes);
    }
    // The rows written again from the entries, the columns kept.
    void Refill(const std::vector<int32_t>& codes) {
        Clear_Listview_Entries(data_.get());
        for (size_t i = 0; i < codes.size(); ++i)
            data_->Entries[i] = static_cast<uint16_t>(codes[i]);
        Fill_Listview_Rows(data_.get(), NO_WINDOW);
    }
    std::vector<intptr_t> Rows() const {
        std::vector<intptr_t> rows;
        for (int32_t row = 0; row < List_View_Get_Item_Count(list_); ++row)
            rows.push_back(List_View_Get_Item_Data(list_, row));
        return rows;
    }
    void Click_Heading(int32_t id) {
        Set_Listview_Sort_Column(data_.get(), id + 1);
        Sort_Listview(data_.get());
    }
    WINDOW_HANDLE list_ = NO_WINDOW;
    std::unique_ptr<LISTVIEW_DATA> data_;
};

std::string Cell(int32_t id, int32_t team, int32_t slot, int32_t* value = nullptr) {
    char text[LISTVIEW_CELL_SIZE];
    const int32_t sort = Get_Listview_Cell(text, id, team, slot);
    if (value != nullptr) *value = sort;
    return text;
}

int32_t Code(int32_t team, int32_t slot) {
    return team * PLAYERS_PER_TEAM + slot;
}
} // namespace

TEST_F(ListviewEngine, CatalogueNamesEveryIdOnceAndTheDefaultRowsOnlyKnownIds) {
    std::set<int32_t> ids;
    for (const LISTVIEW_COLUMN& column : Listview_Column_Catalogue) {
        EXPECT_TRUE(ids.insert(column.Id).second) << "id " << column.Id << " twice";
        EXPECT_EQ(Listview_Column_Table[column.Id].Id, column.Id) << "the table is indexed by id";
    }
    EXPECT_EQ(ids.size(), 113u);
    EXPECT_EQ(*ids.rbegin(), 112);
    for (int32_t row = 0; row < DEFAULT_COLUMN_ROWS; ++row) {
        std::set<int32_t> shown;
        int32_t n = 0;
        for (; Get_Default_Listview_Column(row, n) != -1; ++n) {
            const int32_t id = Get_Default_Listview_Column(row, n);
            EXPECT_TRUE(id >= 0 && id < LISTVIEW_COLUMN_KINDS) << "row " << row;
            EXPECT_TRUE(shown.insert(id).second) << "row " << row << " repeats " << id;
        }
        EXPECT_GT(n, 0);
        EXPECT_LE(n, COLUMN_SET_PLACES);
        EXPECT_EQ(Get_Default_Listview_Column(row, 0), COLUMN_NAME) << "every row starts with the name";
    }
}

TEST_F(ListviewEngine, CellsShowMoneyHeightsAndDashesWhereTheyDoNotApply) {
    int32_t value = 0;
    Set_Player_Vital_Stat(4, 2, VITAL_SALARY, 1250);
    EXPECT_EQ(Cell(COLUMN_SALARY, 4, 2, &value), "$1.25M");
    EXPECT_EQ(value, 1250);
    Set_Player_Vital_Stat(4, 2, VITAL_SALARY, 500);
    EXPECT_EQ(Cell(COLUMN_SALARY, 4, 2), "$500K");
    Set_Player_Vital_Stat(4, 2, VITAL_SALARY, 0);
    EXPECT_EQ(Cell(COLUMN_SALARY, 4, 2), "$0");
    Copy_Player(HALL_OF_FAME_TEAM, 0, 4, 2);
    Copy_Player(FIRST_COLLEGE_POOL_TEAM, 0, 4, 3);
    EXPECT_EQ(Cell(COLUMN_SALARY, HALL_OF_FAME_TEAM, 0, &value), "\x96") << "the Hall of Fame earns nothing";
    EXPECT_EQ(value, -1);
    EXPECT_EQ(Cell(COLUMN_CAP_IMPACT, FIRST_COLLEGE_POOL_TEAM, 0), "\x96") << "nor do undrafted players";
    EXPECT_EQ(Cell(COLUMN_YEARS, FIRST_COLLEGE_POOL_TEAM, 0), "\x96");
    Set_Player_Vital_Stat(4, 2, VITAL_CONTRACT_YEARS, -2);
    EXPECT_EQ(Cell(COLUMN_YEARS, 4, 2, &value), "0");
    EXPECT_EQ(value, -2) << "shown as 0, sorted as it is";
    Set_Player_Vital_Stat(4, 2, VITAL_HEIGHT, 76);
    EXPECT_EQ(Cell(COLUMN_HEIGHT, 4, 2), "6-4");
    const int32_t qb = Test_League_Slot(POSITION_QB, 0), kicker = Test_League_Slot(POSITION_K, 0);
    EXPECT_EQ(Cell(21, kicker == qb ? 5 : 4, kicker), " ... ") << "a passing rate does not apply to a kicker";
    Set_Player_Stat(4, qb, SEASON_THIS, 2, 200);
    Set_Player_Stat(4, qb, SEASON_THIS, 5, 1650);
    Set_User_Preference(STAT_SEASON_CHOICE, SEASON_THIS);
    EXPECT_EQ(Cell(21, 4, qb, &value), "8.25") << "yards an attempt in hundredths";
    EXPECT_EQ(value, 825);
    // The blockers' yards a rush and sacks allowed are hundredths too.
    const int32_t guard = Test_League_Slot(POSITION_G, 0);
    Set_Player_Stat(4, guard, SEASON_THIS, 7, 8);
    Set_Player_Stat(4, guard, SEASON_THIS, 8, 36);
    Set_Player_Stat(4, guard, SEASON_THIS, 4, 3);
    EXPECT_EQ(Cell(42, 4, guard), "4.50");
    EXPECT_EQ(Cell(43, 4, guard), "0.75") << "three quarter sacks";
}

TEST_F(ListviewEngine, NamesCarryTheExpiringContractAndTheStatus) {
    const int32_t slot = 2;
    Set_Player_Vital_Stat(4, slot, VITAL_CONTRACT_YEARS, 1);
    const std::string plain = Cell(COLUMN_NAME, 4, slot);
    EXPECT_NE(plain.find(", "), std::string::npos) << "last name first";
    EXPECT_NE(plain.front(), '(') << "no parentheses before the champion is decided";
    Universe.Season_Length = 17;
    Set_User_Preference(CURRENT_WEEK, 21);
    Set_Playoff_Team(28, 3);
    EXPECT_EQ(Cell(COLUMN_NAME, 4, slot), "(" + plain + ")");
    Set_Player_Vital_Stat(4, slot, VITAL_WEEKS_OUT, 3);
    Set_User_Preference(CURRENT_WEEK, 5);
    Universe.Post_Season_Days[3] = 21;
    EXPECT_EQ(Cell(COLUMN_NAME, 4, slot), plain + " [3]");
}

TEST_F(ListviewEngine, HeadingsSortByTheirDirectionAndKeepTheFormerOrderAmongEquals) {
    // Four players: a quarterback and a running back of each of two teams,
    // those of team 5 weighing 200 pounds, those of team 6 250.
    const int32_t qb = Test_League_Slot(POSITION_QB, 0), rb = Test_League_Slot(POSITION_RB, 0);
    const std::vector<int32_t> codes = {Code(6, rb), Code(5, qb), Code(6, qb), Code(5, rb)};
    constexpr int32_t WEIGHT = 13;
    for (int32_t code : codes)
        Set_Player_Vital_Stat(code / 100, code % 100, VITAL_WEIGHT, code / 100 == 5 ? 200 : 250);
    Show({COLUMN_NAME, COLUMN_POSITION, WEIGHT}, codes);
    Click_Heading(COLUMN_POSITION);
    std::vector<intptr_t> rows = Rows();
    EXPECT_EQ(rows[0] % 100, qb) << "Pos sorts ascending: quarterbacks first";
    EXPECT_EQ(rows[1] % 100, qb);
    Click_Heading(WEIGHT);
    rows = Rows();
    EXPECT_EQ(rows[0] / 100, 6) << "Weight sorts descending";
    EXPECT_EQ(rows[1] / 100, 6);
    EXPECT_EQ(rows[0] % 100, qb) << "among equal weights the former Pos order stands";
    EXPECT_EQ(rows[2] % 100, qb);
    Click_Heading(WEIGHT);
    rows = Rows();
    EXPECT_EQ(rows[0] / 100, 5) << "the same heading again reverses";
    EXPECT_EQ(rows[0] % 100, qb) << "the tie-break keeps its own direction";
    EXPECT_LT(data_->Sort_Column, 0);
    // Equal under both keys: by code, against the tie-break's direction.
    data_->Sort_Column = COLUMN_AGE + 1;
    data_->Previous_Sort_Column = COLUMN_POSITION + 1;
    for (int32_t code : codes)
        data_->Sort_Values[code] = data_->Previous_Sort_Values[code] = 7;
    Sort_Listview(data_.get());
    rows = Rows();
    EXPECT_TRUE(std::is_sorted(rows.rbegin(), rows.rend())) << "Pos ascends, so codes descend";
}

TEST_F(ListviewEngine, FortyYardColumnPutsTheFastestFirst) {
    const std::vector<int32_t> codes = {Code(1, 10), Code(1, 11), Code(1, 12)};
    const int32_t times[] = {470, 431, 455};
    for (size_t i = 0; i < codes.size(); ++i)
        Set_Player_Vital_Stat(1, codes[i] % 100, VITAL_FORTY_TIME, times[i]);
    int32_t value = 0;
    EXPECT_EQ(Cell(COLUMN_FORTY, 1, 11, &value), "4.31");
    EXPECT_EQ(value, -431);
    Show({COLUMN_NAME, COLUMN_FORTY}, codes);
    Click_Heading(COLUMN_FORTY);
    EXPECT_EQ(Rows(), (std::vector<intptr_t>{Code(1, 11), Code(1, 12), Code(1, 10)}));
}

TEST_F(ListviewEngine, EveryCodeFillsAndSortsAsAPermutationPastAnEmptyEntry) {
    std::vector<int32_t> codes;
    for (int32_t code = 0; code < LISTVIEW_CODE_COUNT; ++code)
        codes.push_back(code);
    Show({COLUMN_NAME, COLUMN_TEAM, COLUMN_AGE}, codes);
    EXPECT_EQ(List_View_Get_Item_Count(list_), LISTVIEW_CODE_COUNT) << "every slot of every team";
    EXPECT_EQ(Get_Listview_Selected_Player(list_, nullptr, nullptr), -1)
        << "with nothing selected before, no row comes back selected";
    data_->Entries[2000] = LISTVIEW_EMPTY_ENTRY;
    Fill_Listview_Rows(data_.get(), NO_WINDOW);
    EXPECT_EQ(List_View_Get_Item_Count(list_), LISTVIEW_CODE_COUNT - 1) << "the fill goes past the hole";
    EXPECT_EQ(Find_Listview_Entry(21, 0, data_.get()), 0) << "the lookup stops at the first empty entry";
    Click_Heading(COLUMN_AGE);
    std::vector<intptr_t> rows = Rows();
    std::sort(rows.begin(), rows.end());
    for (size_t i = 0; i + 1 < rows.size(); ++i)
        ASSERT_LT(rows[i], rows[i + 1]) << "each code once";
    EXPECT_EQ(rows.front(), 0);
    EXPECT_EQ(rows.back(), LISTVIEW_CODE_COUNT - 1);
}

TEST_F(ListviewEngine, RowsOfOtherItemDataSortWithoutSortValues) {
    Show({COLUMN_NAME, COLUMN_AGE}, {Code(2, 0), Code(2, 1)});
    // A trade screen adds rows of its own (draft picks) under other item data.
    List_View_Insert_Item(list_, 2, "2021 Round 1", 90000, 0);
    List_View_Insert_Item(list_, 3, "Cash", -7, 0);
    Click_Heading(COLUMN_AGE);
    const std::vector<intptr_t> rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), 90000), 1);
    EXPECT_TRUE(rows[2] == 90000 || rows[2] == -7) << "they sort as values below every age";
    int32_t team = 0, slot = 0;
    Select_Listview_Player(list_, 2, 1);
    EXPECT_EQ(Get_Listview_Selected_Player(list_, &team, &slot), Code(2, 1));
    EXPECT_EQ(team, 2);
    EXPECT_EQ(slot, 1);
    List_View_Set_Item_State(list_, -1, 0, ITEM_SELECTED);
    List_View_Set_Item_State(list_,
                             static_cast<int32_t>(std::find(rows.begin(), rows.end(), 90000) - rows.begin()),
                             ITEM_SELECTED, ITEM_SELECTED);
    EXPECT_EQ(Get_Listview_Selected_Player(list_, &team, &slot), 90000);
    EXPECT_EQ(team, NO_PLAYER) << "no player's parts for a row that is no player";
    Clear_Listview_Selection(list_);
    EXPECT_EQ(Get_Listview_Selected_Player(list_, &team, &slot), -1);
}

TEST_F(ListviewEngine, AutoSizeSharesTheWidthAndLeavesAListWithoutColumnsAlone) {
    Show({COLUMN_NAME, COLUMN_TEAM, COLUMN_AGE}, {Code(0, 0), Code(0, 1)});
    int32_t sum = 0;
    for (int32_t i = 0; i < 3; ++i)
        sum += static_cast<int32_t>(Send_Window_Message(list_, MSG_LIST_VIEW_GET_COLUMN_WIDTH, i, 0));
    RECT_AREA client;
    Get_Client_Rect(list_, &client);
    EXPECT_EQ(sum, client.Right - 4) << "the spare width shared out to the pixel";
    while (List_View_Get_Column_Count(list_) > 0)
        List_View_Delete_Column(list_, 0);
    Auto_Size_Listview_Columns(list_);
    EXPECT_EQ(List_View_Get_Column_Count(list_), 0);
}

TEST_F(ListviewEngine, SeasonChangeRewritesStatisticCellsOnly) {
    const int32_t qb = Test_League_Slot(POSITION_QB, 0);
    Set_Player_Stat(7, qb, SEASON_THIS, 0, 0);
    Set_Player_Stat(7, qb, SEASON_LAST, 0, 16);
    Set_Player_Stat(7, qb, SEASON_LAST, 5, 4100);
    Set_User_Preference(STAT_SEASON_CHOICE, SEASON_THIS);
    Show({COLUMN_NAME, COLUMN_STAT_LINE}, {Code(7, qb)});
    EXPECT_EQ(List_View_Get_Item_Text(list_, 0, COLUMN_STAT_LINE), "");
    Set_User_Preference(STAT_SEASON_CHOICE, SEASON_LAST);
    Refresh_Listview_Stat_Cells(data_.get());
    EXPECT_NE(List_View_Get_Item_Text(list_, 0, COLUMN_STAT_LINE).find("4100 Yds"), std::string::npos);
}

// A row names the player it was filled with. Once a deletion closes up the
// roster, the rows find their players in their new slots (a deleted one
// nowhere), a refill keeps the selection on the selected row's player, and
// a refill without him among the entries selects no row.
TEST_F(ListviewEngine, RowsKeepTheirPlayersAndARefillChoosesTheSamePlayerOrNone) {
    constexpr int32_t TEAM = 2;
    Show({COLUMN_NAME}, {Code(TEAM, 4), Code(TEAM, 5), Code(TEAM, 6)});
    const int32_t chosen = Get_Player_ID(TEAM, 5), last = Get_Player_ID(TEAM, 6);
    Select_Listview_Player(list_, TEAM, 5);
    Delete_Player(TEAM, 4);
    int32_t team = -1, slot = -1;
    EXPECT_FALSE(Locate_Listview_Row_Player(data_.get(), 0, &team, &slot)) << "the deleted player's row";
    ASSERT_TRUE(Locate_Listview_Row_Player(data_.get(), 1, &team, &slot));
    EXPECT_EQ(Code(team, slot), Code(TEAM, 4)) << "moved up a slot";
    EXPECT_EQ(Find_Listview_Player_Row(data_.get(), last), 2) << "his row, though his code is another's";
    Refill({Code(TEAM, 4), Code(TEAM, 5)});
    ASSERT_EQ(Get_Listview_Selected_Player(list_, &team, &slot), Code(TEAM, 4));
    EXPECT_EQ(Get_Player_ID(team, slot), chosen) << "the same player's row, not his old slot's";
    Refill({Code(TEAM, 5)});
    EXPECT_LT(Get_Listview_Selected_Player(list_, &team, &slot), 0) << "he is not listed: no row";
    EXPECT_TRUE(Select_Listview_Player_ID(data_.get(), last));
    EXPECT_FALSE(Select_Listview_Player_ID(data_.get(), chosen));
    EXPECT_LT(Get_Listview_Selected_Player(list_, &team, &slot), 0);
}
