#pragma once
// The most carries, catches and targets one player of the real league had in
// a season, and the most passing, rushing and receiving yards and
// interceptions, as the records stood season by season: the bounds a
// fictional season's volumes and leaders stay within.
#include <cstdint>
#include <span>

enum VOLUME_KIND : int32_t {
    VOLUME_CARRIES,
    VOLUME_CATCHES,
    VOLUME_TARGETS,
    VOLUME_PASSING_YARDS,
    VOLUME_RUSHING_YARDS,
    VOLUME_RECEIVING_YARDS,
    VOLUME_INTERCEPTIONS,
    NUMBER_OF_VOLUME_KINDS
};

// A single-season record: the season it was set in and its figure.
struct STANDING_RECORD {
    int32_t Year;
    int32_t Figure;
};

// Every record of the kind in the order it was set (volume_record_tables.cpp);
// empty for a kind whose early counts the tables do not hold.
std::span<const STANDING_RECORD> Get_Volume_Record_Progression(VOLUME_KIND kind);

// The most of the kind any real season has held.
int32_t Get_All_Time_Volume_Mark(VOLUME_KIND kind);

// The record of the kind standing at the end of the season of `year` (the
// oldest record of the tables for the years before it); 0 when the tables
// hold none.
int32_t Get_Standing_Volume_Record(VOLUME_KIND kind, int32_t year);

// The most fumbles one player of the real league had in a season: no
// fictional line holds more.
constexpr int32_t MOST_SEASON_FUMBLES = 23;

// How far past the record standing at its season's end a fictional season's
// leader may go: real leaders pass an old record now and then.
constexpr double RECORD_PASSING_MARGIN = 0.15;

// The standing record of the kind in the season of `year` and the share
// `past` of it more, never past the all-time mark (that mark alone when the
// tables hold no record).
int32_t Get_Volume_Bound(VOLUME_KIND kind, int32_t year, double past);

// The most of the kind one player of a fictional season of `year` may have:
// the standing record and its margin, never past the all-time mark.
int32_t Get_Era_Volume_Ceiling(VOLUME_KIND kind, int32_t year);
