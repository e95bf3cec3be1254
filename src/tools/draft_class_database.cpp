#include "tools/draft_class_database.h"

// No real draft classes ship with the game: every class is generated.
void Load_Draft_Class_Database() {}
