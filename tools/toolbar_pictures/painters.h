#pragma once

#include <QPainter>

// One function a picture, each drawing on a fresh 24 x 24 antialiased painter.

// The program's own activities and the common actions (program_pictures.cpp).
void paintMainMenu(QPainter& p);
void paintEmergencyStorage(QPainter& p);
void paintRecipeFile(QPainter& p);
void paintFoodGuide(QPainter& p);
void paintFoodMeasurementGuide(QPainter& p);
void paintMenuPlanner(QPainter& p);
void paintShoppingListMaker(QPainter& p);
void paintWebSite(QPainter& p);
void paintHelp(QPainter& p);
void paintExit(QPainter& p);

// The side toolbars' actions (action_pictures.cpp).
void paintPanelColor(QPainter& p);
void paintTextColor(QPainter& p);
void paintSearch(QPainter& p);
void paintDeleteFile(QPainter& p);
void paintCopy(QPainter& p);
void paintPrint(QPainter& p);
void paintPrintWorksheet(QPainter& p);
void paintSave(QPainter& p);
void paintNewList(QPainter& p);
void paintOpenList(QPainter& p);
void paintGridBackground(QPainter& p);
void paintSingleEntry(QPainter& p);
void paintMultipleEntry(QPainter& p);

// Food and drink (food_pictures.cpp).
void paintPantryInventory(QPainter& p);
void paintCanningLog(QPainter& p);
void paintHarvestLog(QPainter& p);
void paintBerryPicking(QPainter& p);
void paintEggTracker(QPainter& p);
void paintBeekeepingLog(QPainter& p);
void paintDairyTracker(QPainter& p);
void paintNutritionTracker(QPainter& p);
void paintCookieExchange(QPainter& p);
void paintBreadBaking(QPainter& p);
void paintPizzaNight(QPainter& p);
void paintDessertRecipes(QPainter& p);
void paintCandyMaking(QPainter& p);
void paintCoffeeLog(QPainter& p);
void paintTeaCollection(QPainter& p);
void paintWineCellar(QPainter& p);
void paintBirthdayPlanner(QPainter& p);

// The household around the kitchen (household_pictures.cpp).
void paintMealBudget(QPainter& p);
void paintCouponOrganizer(QPainter& p);
void paintPriceBook(QPainter& p);
void paintFreezerLog(QPainter& p);
void paintLeftoversLog(QPainter& p);
void paintBulkFoods(QPainter& p);
void paintGardenPlanner(QPainter& p);
void paintHerbGarden(QPainter& p);
void paintDietJournal(QPainter& p);
void paintMedicineCabinet(QPainter& p);
void paintWaterTracker(QPainter& p);
void paintBabyFoodPlanner(QPainter& p);
void paintPetFoodLog(QPainter& p);
void paintLunchboxPlanner(QPainter& p);
void paintPicnicPlanner(QPainter& p);
void paintCampCooking(QPainter& p);
void paintGrillLog(QPainter& p);
void paintPartyPlanner(QPainter& p);
void paintHolidayPlanner(QPainter& p);
void paintTableSettings(QPainter& p);
void paintPotluckPlanner(QPainter& p);
void paintBakingJournal(QPainter& p);
