// Renewal talks when a franchise player's contract runs out.
#include <gtest/gtest.h>

#include <string>

#include "app/modal_dialogs.h"
#include "database/game_names.h"
#include "database/league_structure.h"
#include "database/player_record.h"
#include "database/roster_slots.h"
#include "database/settings.h"
#include "database/team_finances.h"
#include "database/team_record.h"
#include "database/universe.h"
#include "frontoffice/contract_offer.h"
#include "frontoffice/finance_stats.h"
#include "frontoffice/player_value.h"
#include "frontoffice/salary_value.h"
#include "personnel/contract_length.h"
#include "personnel/contract_renewal.h"
#include "personnel/player_generation.h"
#include "platform/message_box.h"
#include "support/computer_league.h"
#include "support/test_league.h"

namespace {
constexpr int32_t TEAM = 6;

struct CONTRACT {
    int32_t Salary;
    int32_t Years;
    int32_t Length;
    int32_t Bonus;
};

CONTRACT Read_Contract(int32_t team, int32_t slot) {
    return {Get_Player_Vital_Stat(team, slot, VITAL_SALARY),
            Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS),
            Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS),
            Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS)};
}

bool Is_Free_Agent(int32_t id) {
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot)
        if (Is_Player_Slot_Used(FREE_AGENT_TEAM, slot) && Get_Player_ID(FREE_AGENT_TEAM, slot) == id)
            return true;
    return false;
}

void Expect_Same_Contract(const CONTRACT& a, const CONTRACT& b) {
    EXPECT_EQ(a.Salary, b.Salary);
    EXPECT_EQ(a.Years, b.Years);
    EXPECT_EQ(a.Length, b.Length);
    EXPECT_EQ(a.Bonus, b.Bonus);
}
} // namespace

TEST(ContractRenewal, CommissionerModeRenewsAtTheAskedSalaryWithoutMoney) {
    Build_Computer_League();
    Set_User_Preference(COMMISSIONER_MODE, 1);
    Set_Team_Stat(2, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    const int32_t dialogs = Count_Dialogs_Opened();
    for (int32_t team : {TEAM, 2}) {
        const int32_t slot = 7;
        Set_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS, 150);
        const int32_t cash = Get_Team_Financial_Stat(team, FINANCE_CASH);
        const int32_t asked = Get_Player_Salary_Value(team, slot, Get_Player_Value(team, slot));
        const int32_t years = Get_Desired_Contract_Length(team, slot);
        EXPECT_EQ(Check_Renew_Contract(team, slot, 1), 1) << "team " << team;
        EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_SALARY), asked);
        EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_CONTRACT_YEARS), years);
        EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_BONUS_YEARS), years);
        EXPECT_EQ(Get_Player_Vital_Stat(team, slot, VITAL_SIGNING_BONUS), 150) << "the bonus is not touched";
        EXPECT_EQ(Get_Team_Financial_Stat(team, FINANCE_CASH), cash);
    }
    EXPECT_EQ(Count_Dialogs_Opened(), dialogs) << "no talks in Commissioner Mode";
    Set_User_Preference(COMMISSIONER_MODE, 0);
}

TEST(ContractRenewal, HumanTeamTalksInTheContractOfferOrLosesThePlayerInDebt) {
    Build_Computer_League();
    Set_Team_Stat(TEAM, TEAM_STAT_CONTROL, TEAM_CONTROL_HUMAN);
    char team_name[FORMATTED_TEXT_SIZE];
    Get_Team_Full_Name(TEAM, team_name);

    // The user accepts the first offer and declines the second.
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 1);
    Script_Dialog_Answer(CONTRACT_OFFER_DIALOG, 0);
    const int32_t dialogs = Count_Dialogs_Opened();
    int32_t slot = 3;
    Set_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS, 250000);
    const int32_t years = Get_Desired_Contract_Length(TEAM, slot);
    EXPECT_EQ(Check_Renew_Contract(TEAM, slot, 1), 1);
    EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_TEAM), TEAM);
    EXPECT_EQ(Get_User_Preference(SELECTED_PLAYER_SLOT), slot);
    // The talk starts without a bonus: he asks his minimum demand, and the
    // bonus he had before is not kept.
    EXPECT_LT(Get_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS), 250000)
        << "the talk starts without a bonus";
    EXPECT_GT(Get_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_CONTRACT_YEARS), years);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_BONUS_YEARS), years);
    const int32_t declined = Get_Player_ID(TEAM, slot + 1);
    EXPECT_EQ(Check_Renew_Contract(TEAM, slot + 1, 1), 0);
    EXPECT_NE(Get_Player_ID(TEAM, slot + 1), declined);
    EXPECT_TRUE(Is_Free_Agent(declined));
    EXPECT_EQ(Count_Dialogs_Opened(), dialogs + 2);
    EXPECT_EQ(Get_Last_Dialog_Id(), CONTRACT_OFFER_DIALOG);

    // In debt in Owner Mode there is no talk: each player goes with one box.
    Set_User_Preference(OWNER_MODE, 1);
    Set_Team_Financial_Stat(TEAM, FINANCE_CASH, -5000);
    Clear_Shown_Messages();
    for (int32_t n = 0; n < 2; ++n) {
        const int32_t id = Get_Player_ID(TEAM, slot);
        char player_name[FORMATTED_TEXT_SIZE];
        Get_Player_Full_Name(TEAM, slot, player_name);
        EXPECT_EQ(Check_Renew_Contract(TEAM, slot, 1), 0);
        EXPECT_TRUE(Is_Free_Agent(id));
        ASSERT_EQ(Get_Shown_Messages().size(), static_cast<size_t>(n + 1));
        EXPECT_EQ(Get_Shown_Messages()[n].Caption, team_name);
        EXPECT_EQ(Get_Shown_Messages()[n].Text,
                  std::string("Because you are in debt, you may not discuss a new "
                              "contract with ") +
                      player_name + ". He is being released.");
    }
    EXPECT_EQ(Count_Dialogs_Opened(), dialogs + 2);
}

TEST(ContractRenewal, ComputerTeamOverTheCapKeepsNobody) {
    Build_Computer_League();
    Universe.Header.Universe_Stats[SALARY_CAP] = 1000000;
    const int32_t slot = 2;
    const CONTRACT before = Read_Contract(TEAM, slot);
    const int32_t cash = Get_Team_Financial_Stat(TEAM, FINANCE_CASH);
    EXPECT_EQ(Check_Renew_Contract(TEAM, slot, 0), 0);
    Expect_Same_Contract(Read_Contract(TEAM, slot), before);
    EXPECT_EQ(Get_Team_Financial_Stat(TEAM, FINANCE_CASH), cash);
    const int32_t id = Get_Player_ID(TEAM, slot);
    EXPECT_EQ(Check_Renew_Contract(TEAM, slot, 1), 0);
    EXPECT_TRUE(Is_Free_Agent(id)) << "with the release flag he goes to the free agents";
}

TEST(ContractRenewal, ComputerTeamMeetsAnUnderpricedPlayerHalfwayOnlyWithRoomOnItsRoster) {
    Build_Computer_League();
    // No cash and no room under the cap: the team's offers fall short of what
    // the cheaper players ask.
    Universe.Header.Universe_Stats[SALARY_CAP] =
        (Get_Team_Financial_Stat(TEAM, FINANCE_PAYROLL) + 100) * 1000;
    Set_Team_Financial_Stat(TEAM, FINANCE_CASH, 0);
    int32_t slot = -1;
    int32_t asked = 0;
    for (int32_t candidate = 0; candidate < TEST_ROSTER_SIZE && slot < 0; ++candidate) {
        PLAYER_RECORD saved;
        Copy_Player_To_Memory(&saved, TEAM, candidate);
        const int32_t value = Get_Player_Value(TEAM, candidate);
        const int32_t ask = Get_Player_Salary_Value(TEAM, candidate, value);
        if (Check_Renew_Contract(TEAM, candidate, 0) == 1 &&
            Get_Player_Vital_Stat(TEAM, candidate, VITAL_SALARY) < ask) {
            slot = candidate;
            asked = ask;
        }
        Copy_Player_From_Memory(TEAM, candidate, &saved);
        Set_Team_Financial_Stat(TEAM, FINANCE_CASH, 0);
    }
    ASSERT_GE(slot, 0) << "some player is worth less to the team than he asks";
    const int32_t bonus = Get_Player_Contract_Demand(TEAM, slot, Get_Player_Value(TEAM, slot));

    PLAYER_RECORD saved;
    Copy_Player_To_Memory(&saved, TEAM, slot);
    EXPECT_EQ(Check_Renew_Contract(TEAM, slot, 0), 1);
    const int32_t met = Get_Player_Vital_Stat(TEAM, slot, VITAL_SALARY);
    EXPECT_LT(met, asked);
    EXPECT_GT(met, asked / 2) << "halfway between the offer and the asking salary";
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS), bonus);
    EXPECT_EQ(Get_Team_Financial_Stat(TEAM, FINANCE_CASH), -1000 * bonus) << "the bonus is paid at once";
    Copy_Player_From_Memory(TEAM, slot, &saved);
    Set_Team_Financial_Stat(TEAM, FINANCE_CASH, 0);

    // Six unpaid players more fill the roster to 59: no room to meet anybody.
    for (int32_t extra = TEST_ROSTER_SIZE; extra < TEST_ROSTER_SIZE + 6; ++extra) {
        Copy_Player(TEAM, extra, TEAM, 40);
        Set_Player_Vital_Stat(TEAM, extra, VITAL_SALARY, 0);
        Set_Player_Vital_Stat(TEAM, extra, VITAL_SIGNING_BONUS, 0);
    }
    ASSERT_EQ(Get_First_Empty_Player_Slot(TEAM), 59);
    const CONTRACT before = Read_Contract(TEAM, slot);
    EXPECT_EQ(Check_Renew_Contract(TEAM, slot, 0), 0);
    Expect_Same_Contract(Read_Contract(TEAM, slot), before);
}

TEST(ContractRenewal, ComputerTeamWithNothingOnItsPayrollReSignsItsPlayers) {
    Build_Computer_League();
    // Nobody on the team is paid yet, as after a league is dealt anew.
    for (int32_t slot = 0; slot < PLAYERS_PER_TEAM; ++slot) {
        Set_Player_Vital_Stat(TEAM, slot, VITAL_SALARY, 0);
        Set_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS, 0);
    }
    // With a cap and without one (the payroll budget then weighs the offer),
    // an empty payroll is all room.
    for (int32_t cap : {0, 200000000}) {
        Universe.Header.Universe_Stats[SALARY_CAP] = cap;
        for (int32_t slot = 0; slot < 4; ++slot) {
            const int32_t id = Get_Player_ID(TEAM, slot);
            const int32_t asked = Get_Player_Salary_Value(TEAM, slot, Get_Player_Value(TEAM, slot));
            EXPECT_EQ(Check_Renew_Contract(TEAM, slot, 0), 1) << "cap " << cap << ", slot " << slot;
            EXPECT_EQ(Get_Player_ID(TEAM, slot), id);
            EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_SALARY), asked) << "the offer reaches his ask";
            Set_Player_Vital_Stat(TEAM, slot, VITAL_SALARY, 0);
            Set_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS, 0);
        }
    }
}

TEST(ContractRenewal, AbsurdBonusesAndLengthsAreWorkedOutAgain) {
    Build_Computer_League();
    const int32_t slot = 9;
    Set_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS, -300000);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_BONUS_YEARS, 250000);
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CONTRACT_YEARS, 3);
    const CONTRACT sound = Read_Contract(TEAM, slot + 1);
    const int32_t demand = Get_Player_Contract_Demand(TEAM, slot, Get_Player_Value(TEAM, slot));
    Repair_Contract_Demands();
    EXPECT_GE(Get_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS), demand);
    EXPECT_LE(Get_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS), 202995);
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM, slot, VITAL_BONUS_YEARS), 3)
        << "the bonus spreads over his years left";
    Expect_Same_Contract(Read_Contract(TEAM, slot + 1), sound);
}

TEST(ContractRenewal, OnePlayersRepairLeavesTheOthersAndTheCycleYearWrapsAtTheLength) {
    Build_Computer_League();
    const int32_t slot = 9;
    for (int32_t s : {slot, slot + 1}) {
        Set_Player_Vital_Stat(TEAM, s, VITAL_SIGNING_BONUS, 300000);
        Set_Player_Vital_Stat(TEAM, s, VITAL_CONTRACT_YEARS, 2);
    }
    const CONTRACT other = Read_Contract(TEAM, slot + 1);
    Repair_Player_Contract_Demand(TEAM, slot);
    EXPECT_LE(Get_Player_Vital_Stat(TEAM, slot, VITAL_SIGNING_BONUS), 202995);
    Expect_Same_Contract(Read_Contract(TEAM, slot + 1), other);
    // A sound contract is left as it is.
    const CONTRACT repaired = Read_Contract(TEAM, slot);
    Repair_Player_Contract_Demand(TEAM, slot);
    Expect_Same_Contract(Read_Contract(TEAM, slot), repaired);

    // A pool prospect wants four years: his seasons count 1, 2, 3, 4, 1, ...
    const int32_t pool = 38;
    Create_Player_For_Team(pool, 0, POSITION_WR, 1.0f);
    ASSERT_EQ(Get_Desired_Contract_Length(pool, 0), 4);
    const int32_t cycle[][2] = {{1, 1}, {3, 3}, {4, 4}, {5, 1}, {8, 4}, {0, 4}};
    for (const auto& [seasons, year] : cycle) {
        Set_Player_Vital_Stat(pool, 0, VITAL_CREDITED_SEASONS, seasons);
        EXPECT_EQ(Get_Contract_Cycle_Year(pool, 0), year) << seasons << " seasons";
    }
    // A franchise player's length follows his value, which his seasons move.
    Set_Player_Vital_Stat(TEAM, slot, VITAL_CREDITED_SEASONS, 7);
    const int32_t length = Get_Desired_Contract_Length(TEAM, slot);
    ASSERT_GE(length, 2);
    EXPECT_EQ(Get_Contract_Cycle_Year(TEAM, slot), 7 % length == 0 ? length : 7 % length);
    const int32_t empty = Get_First_Empty_Player_Slot(TEAM);
    EXPECT_EQ(Get_Contract_Cycle_Year(TEAM, empty), 0) << "an empty slot wants no contract";
}
