// A recipe to and from a transfer file: what the editor holds goes out as
// it is, and what comes in fills the editor, ready to be saved.
#include "platform/basic/atomic_write.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/text.h"
#include "recipes/form5.h"
#include "recipes/fraction_snapping.h"
#include "recipes/typed_text.h"
#include "shell/hinfo1.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

// A transfer file is a few kilobytes; anything far larger is no recipe.
constexpr std::uintmax_t MaxTransferFileBytes = 1 << 20;

}  // namespace

recipe_search::TransferRecipe Form5::RecipeForExport() const {
    recipe_search::TransferRecipe r;
    r.type = Combo1->Text();
    r.name = basic::Trim(basic::Left(Combo2->Text(), 40));
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        r.amounts[i] = AmountText[i];
        r.units[i] = Text4[i]->Text();
        r.ingredients[i] = Text5[i]->Text();
    }
    r.directions = Text2->Text();
    r.ovenTemperature = Text3->Text();
    r.cookingTime = Text7->Text();
    r.yield = Text6->Text();
    r.yieldUnit = Combo4->Text();
    return r;
}

bool Form5::WriteTransferFile(const std::filesystem::path& path) {
    // Written whole beside the target and then put in its place: a failure
    // leaves no partial file, and nothing of a file that was there is lost.
    if (basic::AtomicWriteFile(path, recipe_search::EncodeTransferFile(RecipeForExport()))) return true;
    shell::EndWait(app_);
    app_.dialogs().MessageBox({"Disk Error",
                               "Disk Error has occurred!  File was not fully Exported!\rDisk is either Full or Write "
                               "Protected\rPlease insert new disk or remove write protection.\rThen try saving Recipe "
                               "again.",
                               MsgIcon::Exclamation, MsgButtons::OK, 1});
    return false;
}

bool Form5::ReadTransferFile(const std::filesystem::path& path) {
    std::optional<recipe_search::TransferRecipe> recipe;
    while (true) {
        if (const auto bytes = basic::ReadWholeFile(path, MaxTransferFileBytes))
            recipe = recipe_search::DecodeTransferFile(*bytes);
        if (recipe) break;
        shell::EndWait(app_);
        const int answer = app_.dialogs().MessageBox(
            {"Import Recipe",
             "Cannot read disk.\rMake sure the the door is closed and that the disk is properly inserted!",
             MsgIcon::Exclamation, MsgButtons::RetryCancel, 1});
        if (answer != platform::answer::Retry) return false;
        shell::BeginWait(app_);
    }
    // Only one of the 22 types names a file of the cookbook.
    if (!RecipeTypeNumber(recipe->type)) {
        shell::EndWait(app_);
        app_.dialogs().MessageBox({"Import Recipe",
                                   "The recipe's type \"" +
                                       basic::RemoveControlCharacters(basic::Left(recipe->type, 40)) +
                                       "\" is not one of the recipe types, so the recipe was not imported.",
                                   MsgIcon::Exclamation, MsgButtons::OK, 1});
        return false;
    }
    fillEditorFromTransfer(*recipe);
    return true;
}

void Form5::fillEditorFromTransfer(const recipe_search::TransferRecipe& r) {
    const WindowFills filling(*this);
    ModifyMode = AmountsRecalculated = 0;
    Combo1->setText(r.type);
    file().CurrentRecipeType = Combo1->Text();
    // What comes in fits the boxes and, later, the record.
    auto fit = [](ui::TextBox& box, const std::string& text) {
        box.setText(CleanTyped(text, box.MaxLength(), box.MultiLine(), !box.MultiLine()));
    };
    fit(*Text8, r.name);
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        AmountText[i] = FilterAmount(r.amounts[i], Text1[i]->MaxLength()).text;
        Text1[i]->setText(basic::RTrim(FractionSnapping(AmountText[i]).text));
        fit(*Text4[i], r.units[i]);
        fit(*Text5[i], r.ingredients[i]);
    }
    fit(*Text2, r.directions);
    fit(*Text3, r.ovenTemperature);
    fit(*Text7, r.cookingTime);
    fit(*Text6, r.yield);
    Combo4->setText(CleanTyped(r.yieldUnit, 0, false, true));
    showDirectionsLength();
}

}  // namespace recipes
