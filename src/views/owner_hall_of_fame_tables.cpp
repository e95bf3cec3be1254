#include "views/owner_hall_of_fame_file.h"

// Invented owners of the shipped league's franchises, best first. Each
// career's rating is the Korva Rating of its record with no financial score.
const BUILT_IN_FAME_ENTRY Built_In_Fame_Entries[FAME_ENTRIES] = {
    {"Corvin Ashdale", "San Francisco 49ers", 1986, 1998, 158, 48, 1, 8, 7, 804},
    {"Nora Lindqvist", "Green Bay Packers", 1994, 2004, 128, 48, 0, 6, 6, 761},
    {"Toby Fenwright", "New England Patriots", 2003, 2014, 138, 54, 0, 7, 6, 755},
    {"Ida Castellane", "Miami Dolphins", 1975, 1988, 141, 68, 1, 6, 7, 702},
    {"Abe Halloway", "Pittsburgh Steelers", 2005, 2017, 137, 71, 0, 5, 6, 683},
    {"Della Marchby", "Dallas Cowboys", 1967, 1982, 147, 80, 0, 6, 7, 674},
    {"Ezra Quill", "Indianapolis Colts", 1999, 2008, 102, 58, 0, 4, 5, 663},
    {"Mina Oakhurst", "Denver Broncos", 1987, 2001, 151, 88, 0, 5, 7, 653},
    {"Cass Trevan", "Seattle Seahawks", 2009, 2018, 100, 59, 1, 3, 4, 647},
    {"June Albrecht", "Oakland Raiders", 1972, 1983, 103, 70, 0, 3, 5, 613},
};
