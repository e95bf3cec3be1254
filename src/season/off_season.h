#pragma once
// The step of the calendar from the end of a season into the off-season.

// Season reports, contract renewals and the roll-over of the season index.
void Start_Off_Season();
