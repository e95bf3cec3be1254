#include "personnel/injuries.h"

// Name, draw weight and least and most weeks out of every injury type. Types
// of weight 0 are never drawn: body-part names for imported injury reports,
// unused entries and the absences from 180 on.
const INJURY_TABLE_ENTRY Injury_Table[NUMBER_OF_INJURY_TYPES] = {
    {"leg", 0, 1, 1},                                 // 0
    {"bruised foot", 4, 1, 1},                        // 1
    {"broken toe", 3, 1, 2},                          // 2
    {"dislocated toe", 3, 1, 1},                      // 3
    {"broken heel", 2, 2, 3},                         // 4
    {"foot stress fracture", 1, 2, 4},                // 5
    {"broken foot", 2, 3, 5},                         // 6
    {"fractured foot", 2, 4, 8},                      // 7
    {"bruised ankle", 3, 1, 2},                       // 8
    {"twisted ankle", 4, 2, 4},                       // 9
    {"strained ankle", 3, 3, 5},                      // 10
    {"sprained ankle", 3, 6, 8},                      // 11
    {"stretched ankle ligament", 2, 5, 10},           // 12
    {"stretched achilles tendon", 1, 5, 8},           // 13
    {"ankle stress fracture", 1, 7, 10},              // 14
    {"fractured ankle", 2, 12, 16},                   // 15
    {"torn ankle ligament", 3, 15, 35},               // 16
    {"torn achilles tendon", 2, 20, 40},              // 17
    {"bruised knee", 4, 1, 2},                        // 18
    {"twisted knee", 3, 2, 3},                        // 19
    {"strained knee", 3, 4, 5},                       // 20
    {"broken knee cap", 2, 4, 6},                     // 21
    {"chipped knee cap", 2, 4, 8},                    // 22
    {"sprained knee", 3, 5, 8},                       // 23
    {"stretched knee ligament", 3, 7, 10},            // 24
    {"ruptured knee ligaments", 2, 8, 10},            // 25
    {"torn ACL", 2, 15, 20},                          // 26
    {"broken knee", 1, 24, 32},                       // 27
    {"knee", 0, 2, 8},                                // 28
    {"bruised hip", 3, 1, 1},                         // 29
    {"pulled hip", 3, 1, 2},                          // 30
    {"hip pointer", 3, 1, 2},                         // 31
    {"hip stress fracture", 2, 2, 4},                 // 32
    {"dislocated hip", 2, 4, 6},                      // 33
    {"fractured hip", 2, 8, 12},                      // 34
    {"torn labrum (hip)", 2, 24, 32},                 // 35
    {"charley horse", 1, 1, 1},                       // 36
    {"stretched hamstring", 3, 1, 1},                 // 37
    {"sore hamstring", 1, 1, 1},                      // 38
    {"pulled hamstring", 4, 2, 2},                    // 39
    {"pulled quadruceps", 4, 2, 3},                   // 40
    {"torn hamstring", 2, 3, 5},                      // 41
    {"torn quadruceps", 2, 4, 8},                     // 42
    {"bruised shin", 2, 1, 1},                        // 43
    {"strained calf", 3, 1, 1},                       // 44
    {"pulled calf", 3, 1, 2},                         // 45
    {"broken tibia", 2, 6, 12},                       // 46
    {"broken fibula", 2, 6, 12},                      // 47
    {"achilles", 0, 1, 1},                            // 48
    {"ACL", 0, 1, 1},                                 // 49
    {"ankle", 0, 1, 1},                               // 50
    {"calf", 0, 1, 1},                                // 51
    {"foot", 0, 1, 1},                                // 52
    {"hamstring", 0, 1, 1},                           // 53
    {"heel", 0, 1, 1},                                // 54
    {"MCL", 0, 1, 1},                                 // 55
    {"quadricep", 0, 1, 1},                           // 56
    {"shin", 0, 1, 1},                                // 57
    {"toe", 0, 1, 1},                                 // 58
    {"thigh", 0, 1, 1},                               // 59
    {"pulled shoulder", 1, 1, 2},                     // 60
    {"sprained shoulder", 2, 2, 3},                   // 61
    {"mild shoulder separation", 1, 2, 4},            // 62
    {"dislocated shoulder", 2, 3, 4},                 // 63
    {"shoulder separation", 1, 3, 5},                 // 64
    {"severe shoulder separation", 1, 5, 8},          // 65
    {"shoulder bursitis", 1, 4, 6},                   // 66
    {"severe shoulder bursitis", 1, 6, 9},            // 67
    {"shoulder tendonitis", 1, 2, 4},                 // 68
    {"torn labrum (shoulder)", 1, 4, 8},              // 69
    {"torn rotator cuff", 1, 2, 4},                   // 70
    {"inflamed rotator cuff", 1, 8, 16},              // 71
    {"severed rotator cuff", 1, 1, 1},                // 72
    {"sprained hand", 2, 1, 1},                       // 73
    {"bruised hand", 2, 1, 1},                        // 74
    {"finger blister", 1, 1, 1},                      // 75
    {"broken knuckle", 1, 1, 2},                      // 76
    {"broken finger", 1, 4, 8},                       // 77
    {"broken hand", 1, 1, 2},                         // 78
    {"sprained finger", 3, 2, 3},                     // 79
    {"sprained thumb", 2, 3, 4},                      // 80
    {"fractured finger", 2, 1, 1},                    // 81
    {"sore triceps", 1, 1, 2},                        // 82
    {"spiked arm", 1, 1, 1},                          // 83
    {"strained forearm", 2, 1, 2},                    // 84
    {"forearm stress fracture", 1, 4, 6},             // 85
    {"fractured forearm", 2, 4, 8},                   // 86
    {"torn biceps", 2, 4, 8},                         // 87
    {"torn triceps", 2, 1, 1},                        // 88
    {"bruised elbow", 3, 1, 1},                       // 89
    {"pinched ulnar nerve", 1, 1, 1},                 // 90
    {"mild elbow inflammation", 1, 1, 1},             // 91
    {"elbow inflammation", 1, 1, 1},                  // 92
    {"strained elbow ligament", 2, 1, 1},             // 93
    {"elbow tendonitis", 1, 3, 4},                    // 94
    {"severe elbow tendonitis", 1, 4, 6},             // 95
    {"torn elbow ligament", 2, 8, 12},                // 96
    {"fractured elbow", 2, 6, 8},                     // 97
    {"severe elbow tendonitis", 1, 1, 1},             // 98
    {"wrist bone spur", 1, 1, 1},                     // 99
    {"strained wrist", 1, 2, 2},                      // 100
    {"hairline wrist break", 2, 2, 3},                // 101
    {"wrist stress fracture", 1, 8, 12},              // 102
    {"broken wrist", 2, 1, 1},                        // 103
    {"arm", 0, 1, 1},                                 // 104
    {"bicep", 0, 1, 1},                               // 105
    {"elbow", 0, 1, 1},                               // 106
    {"finger", 0, 1, 1},                              // 107
    {"forearm", 0, 1, 1},                             // 108
    {"pectoral", 0, 1, 1},                            // 109
    {"shoulder", 0, 1, 1},                            // 110
    {"triceps", 0, 1, 1},                             // 111
    {"thumb", 0, 1, 1},                               // 112
    {"wrist", 0, 1, 1},                               // 113
    {"", 0, 1, 1},                                    // 114
    {"", 0, 1, 1},                                    // 115
    {"", 0, 1, 1},                                    // 116
    {"", 0, 1, 1},                                    // 117
    {"", 0, 1, 1},                                    // 118
    {"", 0, 1, 1},                                    // 119
    {"bruised rib", 4, 1, 1},                         // 120
    {"strained rib", 1, 2, 2},                        // 121
    {"strained chest", 3, 2, 3},                      // 122
    {"severely bruised ribs", 2, 2, 3},               // 123
    {"dislocated rib", 2, 2, 3},                      // 124
    {"rib stress fracture", 1, 1, 1},                 // 125
    {"torn pectoral", 2, 1, 1},                       // 126
    {"severely bruised back", 3, 1, 2},               // 127
    {"strained back", 3, 2, 3},                       // 128
    {"strained lower back", 2, 2, 3},                 // 129
    {"sprained back", 2, 4, 6},                       // 130
    {"sprained lower back", 1, 8, 12},                // 131
    {"ruptured cervical disc", 2, 1, 1},              // 132
    {"broken back vertebra", 2, 2, 2},                // 133
    {"mild concussion", 3, 3, 3},                     // 134
    {"moderate concussion", 2, 2, 2},                 // 135
    {"severe concussion", 2, 4, 6},                   // 136
    {"fractured eye bone", 1, 1, 1},                  // 137
    {"fractured skull", 1, 1, 1},                     // 138
    {"bruised face", 1, 1, 1},                        // 139
    {"bruised cheekbone", 3, 1, 1},                   // 140
    {"lost tooth", 2, 1, 1},                          // 141
    {"lacerated eye", 1, 1, 2},                       // 142
    {"broken nose", 2, 2, 4},                         // 143
    {"broken cheekbone", 2, 1, 1},                    // 144
    {"broken jaw", 1, 1, 2},                          // 145
    {"strained neck", 3, 2, 3},                       // 146
    {"dislocated collar bone", 3, 3, 4},              // 147
    {"broken collar bone", 3, 8, 12},                 // 148
    {"sprained neck", 2, 1, 1},                       // 149
    {"broken neck vertebra", 1, 1, 1},                // 150
    {"bruised abdomen", 1, 1, 1},                     // 151
    {"strained abdomen", 3, 1, 1},                    // 152
    {"bruised groin", 1, 1, 1},                       // 153
    {"kidney", 1, 2, 2},                              // 154
    {"bruised spleen", 1, 3, 4},                      // 155
    {"pulled groin", 3, 1, 1},                        // 156
    {"sports hernia", 2, 1, 1},                       // 157
    {"abdominal", 0, 1, 1},                           // 158
    {"appendix", 0, 1, 1},                            // 159
    {"back", 0, 1, 1},                                // 160
    {"chest", 0, 1, 1},                               // 161
    {"collarbone", 0, 1, 1},                          // 162
    {"concussion", 0, 1, 1},                          // 163
    {"eye", 0, 1, 1},                                 // 164
    {"face", 0, 1, 1},                                // 165
    {"head", 0, 1, 1},                                // 166
    {"hernia", 0, 1, 1},                              // 167
    {"hip", 0, 1, 1},                                 // 168
    {"groin", 0, 1, 1},                               // 169
    {"lower body", 0, 1, 1},                          // 170
    {"neck", 0, 1, 1},                                // 171
    {"nose", 0, 1, 1},                                // 172
    {"ribs", 0, 1, 1},                                // 173
    {"stinger", 0, 1, 1},                             // 174
    {"upper body", 0, 1, 1},                          // 175
    {"", 0, 1, 1},                                    // 176
    {"", 0, 1, 1},                                    // 177
    {"", 0, 4, 16},                                   // 178
    {"", 0, 4, 16},                                   // 179
    {"Suspension (Conduct)", 0, 4, 16},               // 180
    {"Suspension (Substance Abuse)", 0, 4, 16},       // 181
    {"Suspension (Performance Enhancers)", 0, 4, 16}, // 182
    {"Suspension (Rule Violation)", 0, 30, 30},       // 183
    {"Suspension", 0, 1, 16},                         // 184
    {"Holdout", 0, 1, 16},                            // 185
    {"Illness", 0, 4, 16},                            // 186
    {"Personal", 0, 4, 16},                           // 187
    {"Prison", 0, 1, 1},                              // 188
    {"Undisclosed", 0, 1, 1},                         // 189
    {"", 0, 1, 1},                                    // 190
    {"", 0, 1, 1},                                    // 191
    {"", 0, 1, 1},                                    // 192
    {"", 0, 1, 1},                                    // 193
    {"", 0, 1, 1},                                    // 194
    {"", 0, 1, 1},                                    // 195
    {"", 0, 1, 1},                                    // 196
    {"", 0, 1, 1},                                    // 197
    {"", 0, 0, 0},                                    // 198
    {"", 0, 0, 0},                                    // 199
};
