#pragma once

namespace shell {

class Application;

// The program's help file, beside the program.
inline constexpr const char* HelpFileName = "Pantrivo.hlp";

// The help topics the windows open.
namespace topics {
inline constexpr int ProgramOverview = 1000;
inline constexpr int PrintPreview = 1014;
inline constexpr int FoodStorage = 3024;
inline constexpr int RecipeFile = 3030;
inline constexpr int RecipeSearchByName = 3031;
inline constexpr int FoodGuide = 3032;
inline constexpr int MeasurementConversions = 3033;
inline constexpr int MenuPlanner = 3034;
inline constexpr int ShoppingList = 3035;
inline constexpr int QuickSelect = 3036;
inline constexpr int RecipeSelect = 3037;
inline constexpr int RecipeSearchByIngredient = 3050;
inline constexpr int SpellCheck = 5050;
}  // namespace topics

// Opens the help viewer at a topic, or at the help file's contents. The
// viewer runs beside the program and reports a missing file or topic itself.
void ShowHelpTopic(Application& app, int topic);
void ShowHelpContents(Application& app);

}  // namespace shell
