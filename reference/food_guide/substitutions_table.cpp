// "Healthy Recipe Substitutions": lighter stand-ins for rich ingredients.
#include "reference/food_guide/guide_table.h"

namespace food_guide {

GuideTableText SubstitutionsText() {
    return {
        .title = "Healthy Recipe Substitutions",
        .headers = {"When your Recipe calls for:", "Use:"},
        .widths = {0.45, 0.55},
        .rowHeight = 0.2,
        .rows =
            {
                {"Whole Milk (1 cup)", "1 cup skim or nonfat milk plus 1 Tablespoon of unsaturated oil."},
                {"Heavy Cream (1 cup)",
                 "1 cup evaporated skim milk or 1/2 cup low-fat yogart and 1/2 cup low-fat cottage cheese."},
                {"Sour Cream",
                 "Low-fat cottage cheese plus low-fat yogart for flavor; ricotta cheese made from partially skimmed "
                 "milk; one can of chilled evaporated skim milk whipped with 1 tsp. of lemon juice; or low-fat "
                 "buttermilk or low-fat yogart."},
                {"Cream Cheese",
                 "4 Tablespoons of margarine blended with 1 cup dry low-fat cottage cheese. Add small amount of skim "
                 "milk if needed in the blending mixture.  Add chopped chives or pimiento and herbs and seasonings "
                 "for variety."},
                {"Butter (1 Tablespoon)",
                 "1 Tablespoon polyunsaturated margarine or 3/4 Tablespoon polyunsaturated oil."},
                {"Shortening (1 cup)", "2 sticks polyunsaturated margarine."},
                {"Oil (1 cup)", "1 1/4 cups polyunsaturated margarine."},
                {"Eggs (1 egg)",
                 "1 egg white plus 2 teaspoons of unsaturated oil or commerically produced cholesterol-free egg "
                 "substitute according to package directions. (3 egg whites = 2 whole eggs; 2 egg whites for 1 "
                 "whole egg in baking recipes.)"},
                {"Unsweetened baking Chocolate (1 ounce)",
                 "3 Tablespoons unsweetened cocoa powder or carob powder plus 1 Tablespoon of polyunsaturated oil or "
                 "margarine.  (Carob is sweeter than cocoa, so if Carob is used; reduce the sugar in the recipe by "
                 "one-fourth.)"},
            },
    };
}

}  // namespace food_guide
