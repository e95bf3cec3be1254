#include "season/historic_reference.h"

// Scores of 1966-2008 are written with an en dash (Windows-1252), later ones
// with a hyphen.
#define DASH "\x96"

// One row a season, 1966-2065: numeral, date, year, winner, score, loser,
// stadium, city, state. The three coming games carry their date and place only;
// later rows their numeral only.
const char* const Super_Bowl_Table[SUPER_BOWL_ROWS][SUPER_BOWL_FIELDS] = {
    {"I", "01967-01-15 January 15", " 1967", "Green Bay Packers", "35" DASH "10", "Kansas City Chiefs",
     "Los Angeles Memorial Coliseum", "Los Angeles", " California"},
    {"II", "01968-01-14 January 14", " 1968", "Green Bay Packers", "33" DASH "14", "Oakland Raiders",
     "Miami Orange Bowl", "Miami", " Florida"},
    {"III", "01969-01-12 January 12", " 1969", "New York Jets", "16" DASH "7", "Baltimore Colts",
     "Miami Orange Bowl", "Miami", " Florida"},
    {"IV", "01970-01-11 January 11", " 1970", "Kansas City Chiefs", "23" DASH "7", "Minnesota Vikings",
     "Tulane Stadium", "New Orleans", " Louisiana"},
    {"V", "01971-01-17 January 17", " 1971", "Baltimore Colts", "16" DASH "13", "Dallas Cowboys",
     "Miami Orange Bowl", "Miami", " Florida"},
    {"VI", "01972-01-16 January 16", " 1972", "Dallas Cowboys", "24" DASH "3", "Miami Dolphins",
     "Tulane Stadium", "New Orleans", " Louisiana"},
    {"VII", "01973-01-14 January 14", " 1973", "Miami Dolphins", "14" DASH "7", "Washington Redskins",
     "Los Angeles Memorial Coliseum", "Los Angeles", " California"},
    {"VIII", "01974-01-13 January 13", " 1974", "Miami Dolphins", "24" DASH "7", "Minnesota Vikings",
     "Rice Stadium", "Houston", " Texas"},
    {"IX", "01975-01-12 January 12", " 1975", "Pittsburgh Steelers", "16" DASH "6", "Minnesota Vikings",
     "Tulane Stadium", "New Orleans", " Louisiana"},
    {"X", "01976-01-18 January 18", " 1976", "Pittsburgh Steelers", "21" DASH "17", "Dallas Cowboys",
     "Miami Orange Bowl", "Miami", " Florida"},
    {"XI", "01977-01-09 January 9", " 1977", "Oakland Raiders", "32" DASH "14", "Minnesota Vikings",
     "Rose Bowl", "Pasadena", " California"},
    {"XII", "01978-01-15 January 15", " 1978", "Dallas Cowboys", "27" DASH "10", "Denver Broncos",
     "Louisiana Superdome", "New Orleans", " Louisiana"},
    {"XIII", "01979-01-21 January 21", " 1979", "Pittsburgh Steelers", "35" DASH "31", "Dallas Cowboys",
     "Miami Orange Bowl", "Miami", " Florida"},
    {"XIV", "01980-01-20 January 20", " 1980", "Pittsburgh Steelers", "31" DASH "19", "Los Angeles Rams",
     "Rose Bowl", "Pasadena", " California"},
    {"XV", "01981-01-25 January 25", " 1981", "Oakland Raiders", "27" DASH "10", "Philadelphia Eagles",
     "Louisiana Superdome", "New Orleans", " Louisiana"},
    {"XVI", "01982-01-24 January 24", " 1982", "San Francisco 49ers", "26" DASH "21", "Cincinnati Bengals",
     "Pontiac Silverdome", "Pontiac", " Michigan"},
    {"XVII", "01983-01-30 January 30", " 1983", "Washington Redskins", "27" DASH "17", "Miami Dolphins",
     "Rose Bowl", "Pasadena", " California"},
    {"XVIII", "01984-01-22 January 22", " 1984", "Los Angeles Raiders", "38" DASH "9", "Washington Redskins",
     "Tampa Stadium", "Tampa", " Florida"},
    {"XIX", "01985-01-20 January 20", " 1985", "San Francisco 49ers", "38" DASH "16", "Miami Dolphins",
     "Stanford Stadium", "Stanford", " California"},
    {"XX", "01986-01-26 January 26", " 1986", "Chicago Bears", "46" DASH "10", "New England Patriots",
     "Louisiana Superdome", "New Orleans", " Louisiana"},
    {"XXI", "01987-01-25 January 25", " 1987", "New York Giants", "39" DASH "20", "Denver Broncos",
     "Rose Bowl", "Pasadena", " California"},
    {"XXII", "01988-01-31 January 31", " 1988", "Washington Redskins", "42" DASH "10", "Denver Broncos",
     "San Diego Stadium", "San Diego", " California"},
    {"XXIII", "01989-01-22 January 22", " 1989", "San Francisco 49ers", "20" DASH "16", "Cincinnati Bengals",
     "Dolphin Stadium", "Miami", " Florida"},
    {"XXIV", "01990-01-28 January 28", " 1990", "San Francisco 49ers", "55" DASH "10", "Denver Broncos",
     "Louisiana Superdome", "New Orleans", " Louisiana"},
    {"XXV", "01991-01-27 January 27", " 1991", "New York Giants", "20" DASH "19", "Buffalo Bills",
     "Tampa Stadium", "Tampa", " Florida"},
    {"XXVI", "01992-01-26 January 26", " 1992", "Washington Redskins", "37" DASH "24", "Buffalo Bills",
     "Hubert H. Humphrey Metrodome", "Minneapolis", " Minnesota"},
    {"XXVII", "01993-01-31 January 31", " 1993", "Dallas Cowboys", "52" DASH "17", "Buffalo Bills",
     "Rose Bowl", "Pasadena", " California"},
    {"XXVIII", "01994-01-30 January 30", " 1994", "Dallas Cowboys", "30" DASH "13", "Buffalo Bills",
     "Georgia Dome", "Atlanta", " Georgia"},
    {"XXIX", "01995-01-29 January 29", " 1995", "San Francisco 49ers", "49" DASH "26", "San Diego Chargers",
     "Dolphin Stadium", "Miami", " Florida"},
    {"XXX", "01996-01-28 January 28", " 1996", "Dallas Cowboys", "27" DASH "17", "Pittsburgh Steelers",
     "Sun Devil Stadium", "Tempe", " Arizona"},
    {"XXXI", "01997-01-26 January 26", " 1997", "Green Bay Packers", "35" DASH "21", "New England Patriots",
     "Louisiana Superdome", "New Orleans", " Louisiana"},
    {"XXXII", "01998-01-25 January 25", " 1998", "Denver Broncos", "31" DASH "24", "Green Bay Packers",
     "Qualcomm Stadium", "San Diego", " California"},
    {"XXXIII", "01999-01-31 January 31", " 1999", "Denver Broncos", "34" DASH "19", "Atlanta Falcons",
     "Pro Player Stadium", "Miami", " Florida"},
    {"XXXIV", "02000-01-30 January 30", " 2000", "St. Louis Rams", "23" DASH "16", "Tennessee Titans",
     "Georgia Dome", "Atlanta", " Georgia"},
    {"XXXV", "02001-01-28 January 28", " 2001", "Baltimore Ravens", "34" DASH "7", "New York Giants",
     "Raymond James Stadium", "Tampa", " Florida"},
    {"XXXVI", "02002-02-03 February 3", " 2002", "New England Patriots", "20" DASH "17", "St. Louis Rams",
     "Louisiana Superdome", "New Orleans", " Louisiana"},
    {"XXXVII", "02003-01-26 January 26", " 2003", "Tampa Bay Buccaneers", "48" DASH "21", "Oakland Raiders",
     "Qualcomm Stadium", "San Diego", " California"},
    {"XXXVIII", "02004-02-01 February 1", " 2004", "New England Patriots", "32" DASH "29",
     "Carolina Panthers", "Reliant Stadium", "Houston", " Texas"},
    {"XXXIX", "02005-02-06 February 6", " 2005", "New England Patriots", "24" DASH "21",
     "Philadelphia Eagles", "Alltel Stadium", "Jacksonville", " Florida"},
    {"XL", "02006-02-05 February 5", " 2006", "Pittsburgh Steelers", "21" DASH "10", "Seattle Seahawks",
     "Ford Field", "Detroit", " Michigan"},
    {"XLI", "02007-02-04 February 4", " 2007", "Indianapolis Colts", "29" DASH "17", "Chicago Bears",
     "Dolphin Stadium", "Miami Gardens", " Florida"},
    {"XLII", "02008-02-03 February 3", " 2008", "New York Giants", "17" DASH "14", "New England Patriots",
     "University of Phoenix Stadium", "Glendale", " Arizona"},
    {"XLIII", "02009-02-01 February 1", " 2009", "Pittsburgh Steelers", "27" DASH "23", "Arizona Cardinals",
     "Raymond James Stadium", "Tampa", " Florida"},
    {"XLIV", "02010-02-07 February 7", " 2010", "New Orleans Saints",
     "31"
     "-"
     "17",
     "Indianapolis Colts", "Sun Life Stadium", "Miami Gardens", " Florida"},
    {"XLV", "02011-02-06 February 6", " 2011", "Green Bay Packers",
     "31"
     "-"
     "25",
     "Pittsburgh Steelers", "Cowboys Stadium", "Arlington", " Texas"},
    {"XLVI", "02012-02-05 February 5", " 2012", "New York Giants",
     "21"
     "-"
     "17",
     "New England Patriots", "Lucas Oil Stadium", "Indianapolis", " Indiana"},
    {"XLVII", "02013-02-03 February 3", " 2013", "Baltimore Ravens",
     "34"
     "-"
     "31",
     "San Francisco 49ers", "Mercedes-Benz Superdome", "New Orleans", " Louisiana"},
    {"XLVIII", "February 2", " 2014", "Seattle Seahawks",
     "43"
     "-"
     "8",
     "Denver Broncos", "MetLife Stadium", "East Rutherford", " New Jersey"},
    {"XLIX", "February 1", " 2015", "New England Patriots",
     "28"
     "-"
     "24",
     "Seattle Seahawks", "University of Phoenix Stadium", "Glendale", " Arizona"},
    {"50", "February 7", " 2016", "Denver Broncos",
     "24"
     "-"
     "10",
     "Carolina Panthers", "Levi's Stadium", "Santa Clara", " California"},
    {"LI", "February 5", " 2017", "New England Patriots",
     "34"
     "-"
     "28",
     "Atlanta Falcons", "NRG Stadium", "Houston", " Texas"},
    {"LII", "February 4", " 2018", "Philadelphia Eagles",
     "41"
     "-"
     "33",
     "New England Patriots", "U.S. Bank Stadium", "Minneapolis", " Minnesota"},
    {"LIII", "February 3", " 2019", "New England Patriots",
     "13"
     "-"
     "3",
     "Los Angeles Rams", "Mercedes-Benz Stadium", "Atlanta", " Georgia"},
    {"LIV", "February 2", " 2020", "Kansas City Chiefs",
     "31"
     "-"
     "20",
     "San Francisco 49ers", "Hard Rock Stadium", "Miami Gardens", " Florida"},
    {"LV", "February 7", " 2021", "Tampa Bay Buccaneers",
     "31"
     "-"
     "9",
     "Kansas City Chiefs", "Raymond James Stadium", "Tampa", " Florida"},
    {"LVI", "February 6", " 2022", "Los Angeles Rams",
     "23"
     "-"
     "20",
     "Cincinnati Bengals", "Los Angeles Stadium at Hollywood Park", "Inglewood", " California"},
    {"LVII", "February 5", " 2023", "", "", "", "State Farm Stadium", "Glendale", " Arizona"},
    {"LVIII", "February 11", " 2024", "", "", "", "Allegiant Stadium", "Paradise", " Neveada"},
    {"LIX", "February 9", " 2025", "", "", "", "Caesar's Superdome", "New Orleans", " Louisiana"},
    {"LX", "", "", "", "", "", "", "", ""},
    {"LXI", "", "", "", "", "", "", "", ""},
    {"LXII", "", "", "", "", "", "", "", ""},
    {"LXIII", "", "", "", "", "", "", "", ""},
    {"LXIV", "", "", "", "", "", "", "", ""},
    {"LXV", "", "", "", "", "", "", "", ""},
    {"LXVI", "", "", "", "", "", "", "", ""},
    {"LXVII", "", "", "", "", "", "", "", ""},
    {"LXVIII", "", "", "", "", "", "", "", ""},
    {"LXIX", "", "", "", "", "", "", "", ""},
    {"LXX", "", "", "", "", "", "", "", ""},
    {"LXXI", "", "", "", "", "", "", "", ""},
    {"LXXII", "", "", "", "", "", "", "", ""},
    {"LXXIII", "", "", "", "", "", "", "", ""},
    {"LXXIV", "", "", "", "", "", "", "", ""},
    {"LXXV", "", "", "", "", "", "", "", ""},
    {"LXXVI", "", "", "", "", "", "", "", ""},
    {"LXXVII", "", "", "", "", "", "", "", ""},
    {"LXXVIII", "", "", "", "", "", "", "", ""},
    {"LXXIX", "", "", "", "", "", "", "", ""},
    {"LXXX", "", "", "", "", "", "", "", ""},
    {"LXXXI", "", "", "", "", "", "", "", ""},
    {"LXXXII", "", "", "", "", "", "", "", ""},
    {"LXXXIII", "", "", "", "", "", "", "", ""},
    {"LXXXIV", "", "", "", "", "", "", "", ""},
    {"LXXXV", "", "", "", "", "", "", "", ""},
    {"LXXXVI", "", "", "", "", "", "", "", ""},
    {"LXXXVII", "", "", "", "", "", "", "", ""},
    {"LXXXVIII", "", "", "", "", "", "", "", ""},
    {"LXXXIX", "", "", "", "", "", "", "", ""},
    {"XC", "", "", "", "", "", "", "", ""},
    {"XCI", "", "", "", "", "", "", "", ""},
    {"XCII", "", "", "", "", "", "", "", ""},
    {"XCIII", "", "", "", "", "", "", "", ""},
    {"XCIV", "", "", "", "", "", "", "", ""},
    {"XCV", "", "", "", "", "", "", "", ""},
    {"XCVI", "", "", "", "", "", "", "", ""},
    {"XCVII", "", "", "", "", "", "", "", ""},
    {"XCVIII", "", "", "", "", "", "", "", ""},
    {"XCIX", "", "", "", "", "", "", "", ""},
    {"C", "", "", "", "", "", "", "", ""},
};

#undef DASH

// Winners of the championship game, seasons 1966-2021.
const char* const Super_Bowl_Winners[SUPER_BOWL_WINNER_COUNT] = {
    "Packers",  "Packers",  "Jets",     "Chiefs",   "Colts",      "Cowboys",  "Dolphins",   "Dolphins",
    "Steelers", "Steelers", "Raiders",  "Cowboys",  "Steelers",   "Steelers", "Raiders",    "49ers",
    "Redskins", "Raiders",  "49ers",    "Bears",    "Giants",     "Redskins", "49ers",      "49ers",
    "Giants",   "Redskins", "Cowboys",  "Cowboys",  "49ers",      "Cowboys",  "Packers",    "Broncos",
    "Broncos",  "Rams",     "Ravens",   "Patriots", "Buccaneers", "Patriots", "Patriots",   "Steelers",
    "Colts",    "Giants",   "Steelers", "Saints",   "Packers",    "Giants",   "Ravens",     "Seahawks",
    "Patriots", "Broncos",  "Patriots", "Eagles",   "Patriots",   "Chiefs",   "Buccaneers", "Rams"};

// League champions 1920-1969, then champions of the older conference
// 1970-2021. The two seasons without a named champion match no franchise.
const char* const NFL_NFC_Champions[NFL_NFC_CHAMPION_COUNT] = {
    "Pros",      "Bears",    "Bulldogs",   "Bulldogs",  "Bulldogs",   "Cardinals", "",         "Giants",
    "",          "Packers",  "Packers",    "Packers",   "Bears",      "Bears",     "Giants",   "Lions",
    "Packers",   "Redskins", "Giants",     "Packers",   "Bears",      "Bears",     "Redskins", "Bears",
    "Packers",   "Rams",     "Bears",      "Cardinals", "Eagles",     "Eagles",    "Ravens",   "Rams",
    "Lions",     "Lions",    "Ravens",     "Ravens",    "Giants",     "Lions",     "Colts",    "Colts",
    "Eagles",    "Packers",  "Packers",    "Bears",     "Browns",     "Packers",   "Packers",  "Packers",
    "Colts",     "Vikings",  "Cowboys",    "Cowboys",   "Redskins",   "Vikings",   "Vikings",  "Cowboys",
    "Vikings",   "Cowboys",  "Cowboys",    "Rams",      "Eagles",     "49ers",     "Redskins", "Redskins",
    "49ers",     "Bears",    "Giants",     "Redskins",  "49ers",      "49ers",     "Giants",   "Redskins",
    "Cowboys",   "Cowboys",  "49ers",      "Cowboys",   "Packers",    "Packers",   "Falcons",  "Rams",
    "Giants",    "Rams",     "Buccaneers", "Panthers",  "Eagles",     "Seahawks",  "Bears",    "Giants",
    "Cardinals", "Saints",   "Packers",    "Giants",    "49ers",      "Seahawks",  "Seahawks", "Panthers",
    "Falcons",   "Eagles",   "Rams",       "49ers",     "Buccaneers", "Rams"};

// Champions of the younger league 1960-1969, then of its conference 1970-2021.
const char* const AFL_AFC_Champions[AFL_AFC_CHAMPION_COUNT] = {
    "Titans",   "Titans",   "Chiefs",   "Chargers", "Bills",    "Bills",    "Chiefs",   "Raiders",
    "Jets",     "Chiefs",   "Colts",    "Dolphins", "Dolphins", "Dolphins", "Steelers", "Steelers",
    "Raiders",  "Broncos",  "Steelers", "Steelers", "Raiders",  "Bengals",  "Dolphins", "Raiders",
    "Dolphins", "Patriots", "Broncos",  "Broncos",  "Bengals",  "Broncos",  "Bills",    "Bills",
    "Bills",    "Bills",    "Chargers", "Steelers", "Patriots", "Broncos",  "Broncos",  "Titans",
    "Ravens",   "Patriots", "Raiders",  "Patriots", "Patriots", "Steelers", "Colts",    "Patriots",
    "Steelers", "Colts",    "Steelers", "Patriots", "Ravens",   "Broncos",  "Patriots", "Broncos",
    "Patriots", "Patriots", "Patriots", "Chiefs",   "Chiefs",   "Bengals"};
