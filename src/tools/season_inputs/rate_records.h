#pragma once
// The best rates of the real league's passers and the most receiving yards
// of its running backs (public record): the marks a fictional line stays
// near, at most a small share past them. Rates are in hundredths of a yard.
#include <cstdint>

// The fewest attempts or completions a passer's rate mark is held from: a
// passer of fewer throws no season's mark.
constexpr int32_t LEAST_MARKED_THROWS = 100;

// How far past a mark of rate a fictional passer may go: one in twenty.
constexpr int32_t RATE_MARK_MARGIN_PERCENT = 5;

// How far past their position's best a fictional back's receiving yards may go.
constexpr int32_t BACK_RECEIVING_MARGIN_PERCENT = 15;

// The best yards an attempt, in hundredths, of a real passer's season of at
// least `attempts` attempts; 0 below the fewest the marks are held from.
int32_t Get_Best_Yards_An_Attempt(int32_t attempts);

// The best yards a completion, in hundredths, of a real passer's season of
// at least LEAST_MARKED_THROWS completions.
int32_t Get_Best_Yards_A_Completion();

// The most receiving yards of a real running back's season.
int32_t Get_Best_Back_Receiving_Yards();
