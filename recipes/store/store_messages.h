#pragma once
#include <string_view>

#include "platform/services/dialogs.h"
#include "recipes/store/recipe_store.h"

namespace recipes {

// Tells the user why a change to the cookbook did not happen (nothing for a
// change that was done, or a new recipe without a name, which the Save
// command reports itself). title names the command: "Save", "Delete".
void ReportStoreFailure(platform::Dialogs& dialogs, const StoreOutcome& outcome, std::string_view title);

}  // namespace recipes
