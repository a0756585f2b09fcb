// What the editor holds, as one draft: read from the boxes, shown in them,
// and saved by the store as a new record or in place of the shown one.
#include "platform/basic/text.h"
#include "recipes/recipe_window.h"
#include "recipes/store/store_messages.h"
#include "shell/hinfo1.h"

namespace recipes {

RecipeRecord Form5::ControlsToRecipeRecord() {
    // The user sees the yield unit cut as the record keeps it.
    if (Combo4->Text().size() > static_cast<std::size_t>(field::YieldUnitWidth)) {
        const WindowFills filling(*this);
        Combo4->setText(YieldUnitAsSaved(Combo4->Text()));
    }
    state_.RecipeBuffer = ToRecipeRecord(draft());
    return state_.RecipeBuffer;
}

RecipeDraft Form5::draft() const {
    RecipeDraft d;
    d.type = Combo1->Text();
    d.name = Combo2->Text();
    d.amounts = state_.AmountText;
    for (std::size_t i = 0; i < IngredientLineCount; ++i) {
        d.shownAmounts[i] = Text1[i]->Text();
        d.units[i] = Text4[i]->Text();
        d.ingredients[i] = Text5[i]->Text();
    }
    d.directions = Text2->Text();
    d.ovenTemperature = Text3->Text();
    d.cookingTime = Text7->Text();
    d.yield = Text6->Text();
    d.yieldUnit = Combo4->Text();
    d.modifyMode = state_.modifying();
    return d;
}

void Form5::showDraft(const RecipeDraft& d) {
    const WindowFills filling(*this);
    state_.AmountText = d.amounts;
    for (std::size_t i = 0; i < IngredientLineCount; ++i) {
        Text1[i]->setText(d.shownAmounts[i]);
        Text4[i]->setText(d.units[i]);
        Text5[i]->setText(d.ingredients[i]);
    }
    Text2->setText(d.directions);
    showDirectionsLength();
    Text3->setText(d.ovenTemperature);
    Text6->setText(d.yield);
    Text7->setText(d.cookingTime);
    Combo4->setText(d.yieldUnit);
}

bool Form5::PutCurrentRecipe() {
    const StoreOutcome outcome = store().WriteInPlace(state_.CurrentRecordNumber, ControlsToRecipeRecord());
    ReportStoreFailure(app_.dialogs(), outcome, "Save");
    return outcome.ok();
}

bool Form5::SaveNewRecipe() {
    if (Text8->Text().empty()) return true;  // nothing to save, as always
    shell::BeginWait(app_);
    const RecipeRecord record = ControlsToRecipeRecord();
    if (basic::Len(Text8->Text()) > RecipeNameWidth) {
        const WindowFills filling(*this);
        Text8->setText(basic::Left(Text8->Text(), RecipeNameWidth));
    }
    const auto type = typeNumber();
    StoreOutcome outcome;
    if (type) outcome = store().SaveNew(*type, Text8->Text(), record);
    else outcome = {StoreResult::IndexFileNotWritten, 0, {}, Combo1->Text()};
    shell::EndWait(app_);
    if (!outcome.ok()) {
        ReportStoreFailure(app_.dialogs(), outcome, "Save");
        return false;
    }
    state_.LastSavedRecordNumber = static_cast<int>(outcome.recordNumber);
    List1->AddItem(outcome.entry);
    state_.RecipeChanged = state_.AmountsRecalculated = false;
    return true;
}

}  // namespace recipes
