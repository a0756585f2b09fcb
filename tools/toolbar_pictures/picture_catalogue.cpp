#include "picture_catalogue.h"

#include "painters.h"
#include "style.h"

#include <array>

namespace {

constexpr std::array kPainters{
    ToolbarPainter{"toolbar/main_menu.png", paintMainMenu},
    ToolbarPainter{"toolbar/pantry_inventory.png", paintPantryInventory},
    ToolbarPainter{"toolbar/meal_budget.png", paintMealBudget},
    ToolbarPainter{"toolbar/coupon_organizer.png", paintCouponOrganizer},
    ToolbarPainter{"toolbar/price_book.png", paintPriceBook},
    ToolbarPainter{"toolbar/emergency_storage.png", paintEmergencyStorage},
    ToolbarPainter{"toolbar/canning_log.png", paintCanningLog},
    ToolbarPainter{"toolbar/freezer_log.png", paintFreezerLog},
    ToolbarPainter{"toolbar/leftovers_log.png", paintLeftoversLog},
    ToolbarPainter{"toolbar/bulk_foods.png", paintBulkFoods},
    ToolbarPainter{"toolbar/garden_planner.png", paintGardenPlanner},
    ToolbarPainter{"toolbar/herb_garden.png", paintHerbGarden},
    ToolbarPainter{"toolbar/harvest_log.png", paintHarvestLog},
    ToolbarPainter{"toolbar/berry_picking.png", paintBerryPicking},
    ToolbarPainter{"toolbar/egg_tracker.png", paintEggTracker},
    ToolbarPainter{"toolbar/beekeeping_log.png", paintBeekeepingLog},
    ToolbarPainter{"toolbar/dairy_tracker.png", paintDairyTracker},
    ToolbarPainter{"toolbar/nutrition_tracker.png", paintNutritionTracker},
    ToolbarPainter{"toolbar/diet_journal.png", paintDietJournal},
    ToolbarPainter{"toolbar/medicine_cabinet.png", paintMedicineCabinet},
    ToolbarPainter{"toolbar/water_tracker.png", paintWaterTracker},
    ToolbarPainter{"toolbar/baby_food_planner.png", paintBabyFoodPlanner},
    ToolbarPainter{"toolbar/pet_food_log.png", paintPetFoodLog},
    ToolbarPainter{"toolbar/lunchbox_planner.png", paintLunchboxPlanner},
    ToolbarPainter{"toolbar/picnic_planner.png", paintPicnicPlanner},
    ToolbarPainter{"toolbar/camp_cooking.png", paintCampCooking},
    ToolbarPainter{"toolbar/grill_log.png", paintGrillLog},
    ToolbarPainter{"toolbar/recipe_file.png", paintRecipeFile},
    ToolbarPainter{"toolbar/food_guide.png", paintFoodGuide},
    ToolbarPainter{"toolbar/food_measurement_guide.png", paintFoodMeasurementGuide},
    ToolbarPainter{"toolbar/menu_planner.png", paintMenuPlanner},
    ToolbarPainter{"toolbar/shopping_list_maker.png", paintShoppingListMaker},
    ToolbarPainter{"toolbar/party_planner.png", paintPartyPlanner},
    ToolbarPainter{"toolbar/birthday_planner.png", paintBirthdayPlanner},
    ToolbarPainter{"toolbar/holiday_planner.png", paintHolidayPlanner},
    ToolbarPainter{"toolbar/table_settings.png", paintTableSettings},
    ToolbarPainter{"toolbar/potluck_planner.png", paintPotluckPlanner},
    ToolbarPainter{"toolbar/cookie_exchange.png", paintCookieExchange},
    ToolbarPainter{"toolbar/baking_journal.png", paintBakingJournal},
    ToolbarPainter{"toolbar/bread_baking.png", paintBreadBaking},
    ToolbarPainter{"toolbar/pizza_night.png", paintPizzaNight},
    ToolbarPainter{"toolbar/dessert_recipes.png", paintDessertRecipes},
    ToolbarPainter{"toolbar/candy_making.png", paintCandyMaking},
    ToolbarPainter{"toolbar/coffee_log.png", paintCoffeeLog},
    ToolbarPainter{"toolbar/tea_collection.png", paintTeaCollection},
    ToolbarPainter{"toolbar/wine_cellar.png", paintWineCellar},
    ToolbarPainter{"toolbar/web_site.png", paintWebSite},
    ToolbarPainter{"toolbar/help.png", paintHelp},
    ToolbarPainter{"toolbar/exit.png", paintExit},
    ToolbarPainter{"toolbar/panel_color.png", paintPanelColor},
    ToolbarPainter{"toolbar/text_color.png", paintTextColor},
    ToolbarPainter{"toolbar/search.png", paintSearch},
    ToolbarPainter{"toolbar/delete_file.png", paintDeleteFile},
    ToolbarPainter{"toolbar/copy.png", paintCopy},
    ToolbarPainter{"toolbar/print.png", paintPrint},
    ToolbarPainter{"toolbar/print_worksheet.png", paintPrintWorksheet},
    ToolbarPainter{"toolbar/save.png", paintSave},
    ToolbarPainter{"toolbar/new_list.png", paintNewList},
    ToolbarPainter{"toolbar/open_list.png", paintOpenList},
    ToolbarPainter{"toolbar/grid_background.png", paintGridBackground},
    ToolbarPainter{"toolbar/single_entry.png", paintSingleEntry},
    ToolbarPainter{"toolbar/multiple_entry.png", paintMultipleEntry},
};

}  // namespace

std::span<const ToolbarPainter> toolbarPainters() { return kPainters; }

const ToolbarPainter* findToolbarPainter(std::string_view file) {
    for (const ToolbarPainter& painter : kPainters)
        if (painter.file == file) return &painter;
    return nullptr;
}

QImage paintToolbarPicture(const ToolbarPainter& painter) {
    QImage image(style::PictureSize, style::PictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    painter.paint(p);
    p.end();
    return image;
}
