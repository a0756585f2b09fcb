#include "shell/toolbar_table/top_toolbar_buttons.h"

#include <array>

namespace shell {

namespace {

// Buttons 1, 6, 28-32 and 47-49 belong to this program; the rest name the
// activities of the family's other home programs.
constexpr std::array<TopToolbarEntry, TopToolbarButtonCount> kTopToolbar{{
    {"MainMenu", "Main Menu", "toolbar/main_menu.png"},
    {"PantryInventory", "Pantry Inventory", "toolbar/pantry_inventory.png"},
    {"MealBudget", "Meal Budget", "toolbar/meal_budget.png"},
    {"CouponOrganizer", "Coupon Organizer", "toolbar/coupon_organizer.png"},
    {"PriceBook", "Price Book", "toolbar/price_book.png"},
    {"EmergencyStorage", "Emergency Storage", "toolbar/emergency_storage.png"},
    {"CanningLog", "Canning Log", "toolbar/canning_log.png"},
    {"FreezerLog", "Freezer Log", "toolbar/freezer_log.png"},
    {"LeftoversLog", "Leftovers Log", "toolbar/leftovers_log.png"},
    {"BulkFoods", "Bulk Foods", "toolbar/bulk_foods.png"},
    {"GardenPlanner", "Garden Planner", "toolbar/garden_planner.png"},
    {"HerbGarden", "Herb Garden", "toolbar/herb_garden.png"},
    {"HarvestLog", "Harvest Log", "toolbar/harvest_log.png"},
    {"BerryPicking", "Berry Picking", "toolbar/berry_picking.png"},
    {"EggTracker", "Egg Tracker", "toolbar/egg_tracker.png"},
    {"BeekeepingLog", "Beekeeping Log", "toolbar/beekeeping_log.png"},
    {"DairyTracker", "Dairy Tracker", "toolbar/dairy_tracker.png"},
    {"NutritionTracker", "Nutrition Tracker", "toolbar/nutrition_tracker.png"},
    {"DietJournal", "Diet Journal", "toolbar/diet_journal.png"},
    {"MedicineCabinet", "Medicine Cabinet", "toolbar/medicine_cabinet.png"},
    {"WaterTracker", "Water Tracker", "toolbar/water_tracker.png"},
    {"BabyFoodPlanner", "Baby Food Planner", "toolbar/baby_food_planner.png"},
    {"PetFoodLog", "Pet Food Log", "toolbar/pet_food_log.png"},
    {"LunchboxPlanner", "Lunchbox Planner", "toolbar/lunchbox_planner.png"},
    {"PicnicPlanner", "Picnic Planner", "toolbar/picnic_planner.png"},
    {"CampCooking", "Camp Cooking", "toolbar/camp_cooking.png"},
    {"GrillLog", "Grill Log", "toolbar/grill_log.png"},
    {"RecipeFile", "Recipe File", "toolbar/recipe_file.png"},
    {"FoodGuide", "Food Guide", "toolbar/food_guide.png"},
    {"FoodMeasurementGuide", "Food Measurement Guide", "toolbar/food_measurement_guide.png"},
    {"MenuPlanner", "Menu Planner", "toolbar/menu_planner.png"},
    {"ShoppingListMaker", "Shopping List Maker", "toolbar/shopping_list_maker.png"},
    {"PartyPlanner", "Party Planner", "toolbar/party_planner.png"},
    {"BirthdayPlanner", "Birthday Planner", "toolbar/birthday_planner.png"},
    {"HolidayPlanner", "Holiday Planner", "toolbar/holiday_planner.png"},
    {"TableSettings", "Table Settings", "toolbar/table_settings.png"},
    {"PotluckPlanner", "Potluck Planner", "toolbar/potluck_planner.png"},
    {"CookieExchange", "Cookie Exchange", "toolbar/cookie_exchange.png"},
    {"BakingJournal", "Baking Journal", "toolbar/baking_journal.png"},
    {"BreadBaking", "Bread Baking", "toolbar/bread_baking.png"},
    {"PizzaNight", "Pizza Night", "toolbar/pizza_night.png"},
    {"DessertRecipes", "Dessert Recipes", "toolbar/dessert_recipes.png"},
    {"CandyMaking", "Candy Making", "toolbar/candy_making.png"},
    {"CoffeeLog", "Coffee Log", "toolbar/coffee_log.png"},
    {"TeaCollection", "Tea Collection", "toolbar/tea_collection.png"},
    {"WineCellar", "Wine Cellar", "toolbar/wine_cellar.png"},
    {"WebSite", "Web Site", "toolbar/web_site.png"},
    {"Help", "Help", pictures::Help},
    {"Exit", "Exit", pictures::Exit},
}};

constexpr std::array kSidePictures{
    SidePicture{"Panel Color", pictures::PanelColor},
    SidePicture{"Grid Text Color", pictures::TextColor},
    SidePicture{"Search", pictures::Search},
    SidePicture{"Delete File", pictures::Delete},
    SidePicture{"Copy", pictures::Copy},
    SidePicture{"Print", pictures::Print},
    SidePicture{"Print Worksheet", pictures::Worksheet},
    SidePicture{"Save", pictures::Save},
    SidePicture{"New Shopping List", pictures::NewList},
    SidePicture{"Open Existing List", pictures::OpenList},
    SidePicture{"Grid Background Selector", pictures::GridBackground},
    SidePicture{"Single Entry", pictures::SingleEntry},
    SidePicture{"Multiple Entry", pictures::MultipleEntry},
    SidePicture{"Help", pictures::Help},
    SidePicture{"Exit", pictures::Exit},
};

}  // namespace

std::span<const TopToolbarEntry, TopToolbarButtonCount> TopToolbarEntries() { return kTopToolbar; }

const TopToolbarEntry& TopToolbarEntryOf(TopButton button) { return kTopToolbar[static_cast<std::size_t>(button) - 1]; }

std::span<const SidePicture> SidePictures() { return kSidePictures; }

}  // namespace shell
