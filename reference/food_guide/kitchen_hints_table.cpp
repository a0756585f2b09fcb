// "Helpful Kitchen Hints": thirty hints, each with what it is good for.
#include "reference/food_guide/guide_table.h"

namespace food_guide {

GuideTableText KitchenHintsText() {
    static constexpr const char* hints[][2] = {
        {"Keep pasta from sticking",
         "Cook pasta in plenty of rapidly boiling water and stir it often during the first two minutes."},
        {"Make scrambled eggs fluffier",
         "Beat the eggs well and cook them slowly over low heat. Take them off while still a little moist."},
        {"Brown meat evenly", "Pat the meat dry and do not crowd the pan: pieces packed too close steam instead of "
                              "browning."},
        {"Keep cut apples from turning brown", "Toss cut apples, pears or bananas with a little lemon juice."},
        {"Ripen fruit faster",
         "Put avocados, peaches or pears in a paper bag with a ripe banana and keep them at room temperature."},
        {"Soften hardened brown sugar",
         "Seal the sugar in a container with a slice of fresh bread overnight; the sugar takes up its moisture."},
        {"Measure flour accurately",
         "Spoon the flour lightly into the measuring cup and level it with a knife instead of scooping it."},
        {"Test baking powder",
         "Stir 1 teaspoon into 1/3 cup hot water. If it bubbles well, it is still good to use."},
        {"Keep a cake from sticking",
         "Grease the pan, line its bottom with waxed or parchment paper and dust the sides with flour."},
        {"Keep roasts juicy",
         "Let roasted or grilled meat stand 10 minutes before carving so that the juices settle."},
        {"Cut onions with fewer tears", "Chill the onion for 30 minutes before cutting and use a sharp knife."},
        {"Peel garlic easily",
         "Press the clove firmly with the flat side of a knife blade; the skin then slips right off."},
        {"Keep fresh herbs longer",
         "Stand parsley or cilantro in a glass of water in the refrigerator, loosely covered with a plastic bag."},
        {"Crisp limp vegetables", "Soak limp celery, carrots or lettuce in ice water for 30 minutes to an hour."},
        {"Save an oversalted soup",
         "Add more water or unsalted broth, or more of the vegetables, and simmer a little longer."},
        {"Remove fat from soups and stews",
         "Chill the soup or stew overnight. The fat hardens on top and lifts right off."},
        {"Keep pots from boiling over",
         "Use a pot large enough for the food and turn the heat down as soon as it comes to a boil."},
        {"Peel hard-cooked eggs easily",
         "Use eggs that are at least a week old and cool them in ice water right after cooking."},
        {"Check eggs for freshness",
         "Put the egg in cold water. A fresh egg sinks and lies flat; an old one stands on end or floats."},
        {"Make rice fluffier",
         "Rinse the rice before cooking. Let it stand covered 5 minutes, then fluff it with a fork."},
        {"Make gravy without lumps",
         "Stir the flour or cornstarch into a little cold water first, then whisk it into the hot liquid."},
        {"Whip cream faster", "Chill the bowl, the beaters and the cream in the refrigerator before whipping."},
        {"Get more juice from lemons",
         "Bring the lemon to room temperature and roll it firmly on the counter before squeezing."},
        {"Make a flakier pie crust",
         "Keep the shortening and the water ice cold and handle the dough as little as possible."},
        {"Bake softer cookies",
         "Do not overmix the dough once the flour is in, and take the cookies out when the edges just turn golden."},
        {"Keep bread fresh longer",
         "Keep bread in a closed bag at room temperature or freeze it; the refrigerator makes it stale faster."},
        {"Thaw meat safely",
         "Thaw meat in the refrigerator, or in cold water changed every 30 minutes; never on the counter."},
        {"Keep raw meat from spreading germs",
         "Keep one cutting board for raw meat and another for produce; wash both in hot soapy water."},
        {"Keep leftovers safe",
         "Refrigerate leftovers within two hours of cooking and use them within three to four days."},
        {"Put out a grease fire",
         "Slide a lid over the pan and turn off the heat. Never pour water on burning grease."},
    };
    GuideTableText text{
        .title = "Helpful Kitchen Hints",
        .headers = {"Hint Number", "Hint Action", "Helpful Hint"},
        .widths = {0.2, 0.35, 0.45},
        .rowHeight = 0.085,
        .rowHeightFollowsWidth = true,
        .rows = {},
    };
    int number = 1;
    // A number's text form keeps a blank where a sign would stand.
    for (const auto& [purpose, hint] : hints) text.rows.push_back({" " + std::to_string(number++), purpose, hint});
    return text;
}

}  // namespace food_guide
