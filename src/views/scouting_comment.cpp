#include "views/scouting_comment.h"

// The scouts' sentences are not written yet: the comment is empty, and the
// report shows nothing in its place.
void Write_Scouting_Comment(int32_t, int32_t, char* out) {
    if (out != nullptr) out[0] = '\0';
}
