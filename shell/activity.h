#pragma once
#include <functional>

namespace shell {

// The activities the start window opens, each in a window of its own.
enum class Activity { RecipeFile, FoodGuide, MeasurementGuide, MenuPlanner, ShoppingList, FoodStorage };

// What the subsystem that owns an activity's window tells the application.
struct ActivityRegistration {
    // Shows the window without blocking (bringing it forward when open).
    std::function<void()> show;
    // Whether the window is loaded.
    std::function<bool()> isOpen;
    // Runs the window's exit path with its questions; false when the user
    // chose to keep the window open.
    std::function<bool()> close;
};

}  // namespace shell
