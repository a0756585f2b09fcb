// The spell check of the recipe in the editor: the ingredient lines, then
// the directions, and the carrying on of Change All to the later fields.
#include "platform/basic/text.h"
#include "recipes/misspellings.h"
#include "recipes/recipe_help.h"
#include "recipes/recipe_window.h"
#include "shell/help_menu.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

constexpr int DirectionsField = IngredientLineCount;
constexpr int CancelledField = 99;
constexpr int IngredientWidth = 35;
constexpr int IngredientCheckWidth = 50;  // a corrected line may grow while it is checked
constexpr int DirectionsWidth = 1000;

// A step of the check that fails is skipped and the check goes on.
template <class Step>
void SkipOnError(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
        // The field keeps what it had; the next step runs.
    }
}

// Every whole-word occurrence of the pair's word, in any case, replaced: the
// word stands between blanks or at an end of the text, and two occurrences
// may share one blank. Only what stood in the text before is replaced, so a
// correction holding its own word (i to I) is not found again.
std::string CarryPair(const std::string& text, const platform::Replacement& pair) {
    const std::string t = " " + text + " ";
    const std::string upper = basic::UCase(t);
    const std::string n = " " + basic::UCase(basic::Trim(pair.word)) + " ";
    std::string carried;
    std::size_t cursor = 0;
    for (std::size_t at = upper.find(n); at != std::string::npos; at = upper.find(n, cursor)) {
        carried += t.substr(cursor, at - cursor);
        carried += " " + platform::CorrectionInCase(pair.correction, pair.word, t.substr(at + 1, n.size() - 2));
        cursor = at + n.size() - 1;  // the closing blank may open the next occurrence
    }
    carried += t.substr(cursor);
    return basic::Trim(carried);
}

}  // namespace

void Form5::wireSpelling() {
    VSSpell1 = std::make_unique<platform::SpellChecker>(app_.runtime().services());
    VSSpell1->onBadWord = [this] { VSSpell1_BadWord(); };
    VSSpell1->onTextChanged = [this] { VSSpell1_TextChanged(); };
    VSSpell1->onActionChosen = [this](int action) { VSSpell1_ActionChosen(action); };
    VSSpell1->onCheckEnded = [this](int cancel) { VSSpell1_CheckEnded(cancel); };
    VSSpell1->onHelp = [this] { VSSpell1_Help(); };
    Command25->onClick = [this] { Command25_Click(); };
    mOSpell->onClick = [this] { mOSpell_Click(); };
}

void Form5::LoadMisspellings() {
    // Loading runs again on a change of cookbook; the list holds the table once.
    if (state_.MisspellingsLoaded) return;
    state_.MisspellingsLoaded = true;
    for (const Misspelling& pair : MisspellingTable)
        VSSpell1->AddReplacement(std::string(pair.word), std::string(pair.correction));
}

void Form5::mOSpell_Click() { Command25_Click(); }

namespace {
ui::TextBox& SpellField(Form5& w, int field) {
    return field == DirectionsField ? *w.Text2 : *w.Text5[static_cast<std::size_t>(field)];
}
void Unselect(ui::TextBox& box) {
    box.setSelStart(0);
    box.setSelLength(0);
}
void CutTo(ui::TextBox& box, int width) {
    if (basic::Len(box.Text()) > width) box.setText(basic::Left(box.Text(), width));
}
}  // namespace

void Form5::Command25_Click() {
    StatusBar1->setPanelText(1, "Spelling Check");
    state_.CorrectionCount = 0;
    state_.SpellCheckRunning = true;
    {
        // The boxes' own change rules stay out of the way of the check's writes.
        const WindowFills fills(*this);
        auto check = [this](ui::TextBox& box) {
            VSSpell1->setAskUser(true);
            VSSpell1->setText("");
            VSSpell1->setText(box.Text());
            VSSpell1->CheckText();
        };
        state_.SpellFieldIndex = 0;
        for (int line = 0; line < IngredientLineCount && state_.SpellFieldIndex != CancelledField; ++line) {
            state_.SpellFieldIndex = line;
            ui::TextBox& box = SpellField(*this, line);
            if (basic::Trim(box.Text()).empty()) continue;
            if (line > 0) SkipOnError([&] { Unselect(SpellField(*this, line - 1)); });
            box.setMaxLength(IngredientCheckWidth);
            SkipOnError([&] { check(box); });
            CutTo(box, IngredientWidth);
            Unselect(box);
            box.setMaxLength(IngredientWidth);
        }
        if (state_.SpellFieldIndex != CancelledField) {
            state_.SpellFieldIndex = DirectionsField;
            Text2->setMaxLength(0);
            SkipOnError([&] { check(*Text2); });
            CutTo(*Text2, DirectionsWidth);
            Text2->setMaxLength(DirectionsWidth);
        }
    }
    Command25->SetFocus();
    Unselect(*Text2);
    const bool changedSome = state_.SpellFieldIndex == CancelledField || state_.CorrectionCount > 0;
    app_.dialogs().MessageBox({"Spelling Check",
                               changedSome ? "Spelling Check has been canceled or has reached the end of your entries"
                                           : "Spelling Check did not change or did not find any misspelled words!",
                               MsgIcon::Information, MsgButtons::OK, 1});
    StatusBar1->setPanelText(1, Caption());
    for (ui::TextBox* box : Text5) box->setSelStart(1);
    state_.SpellFieldIndex = 0;
    state_.SpellCheckRunning = false;
}

void Form5::VSSpell1_BadWord() {
    ui::TextBox& box = SpellField(*this, state_.SpellFieldIndex);
    box.setSelStart(VSSpell1->BadWordStart());
    box.setSelLength(VSSpell1->BadWordLength());
}

void Form5::VSSpell1_TextChanged() {
    if (VSSpell1->ChangeCount() <= 0) return;
    SpellField(*this, state_.SpellFieldIndex).setText(VSSpell1->Text());
    if (state_.SpellFieldIndex != DirectionsField) VSSpell1->ClearChangeCount();
    ++state_.CorrectionCount;
    MarkRecipeChanged();
}

void Form5::VSSpell1_ActionChosen(int action) {
    if (action == static_cast<int>(platform::SpellAction::ChangeAll) && state_.SpellFieldIndex < DirectionsField)
        state_.ChangeAllPending = true;
}

void Form5::VSSpell1_CheckEnded(int cancel) {
    if (cancel == -1) {
        ui::TextBox& box = SpellField(*this, state_.SpellFieldIndex);
        const bool directions = state_.SpellFieldIndex == DirectionsField;
        CutTo(box, directions ? DirectionsWidth : IngredientWidth);
        Unselect(box);
        if (!directions) box.setMaxLength(IngredientWidth);
        state_.SpellFieldIndex = CancelledField;
    }
    if (state_.ChangeAllPending) CarryReplacementsOn();
    VSSpell1->ClearChangeCount();
}

void Form5::VSSpell1_Help() { shell::ShowHelpTopic(app_, help::SpellCheck); }

void Form5::CarryReplacementsOn() {
    app_.runtime().doEvents();
    // Every pair the list holds now, those of earlier passes included.
    const int pairs = VSSpell1->ReplacementCount();
    for (state_.ReplacementWalkIndex = 0; state_.ReplacementWalkIndex < pairs; ++state_.ReplacementWalkIndex) {
        const platform::Replacement& pair = VSSpell1->ReplacementEntry(state_.ReplacementWalkIndex);
        for (int field = state_.SpellFieldIndex + 1; field <= DirectionsField; ++field) {
            SkipOnError([&] {
                ui::TextBox& box = SpellField(*this, field);
                if (basic::Trim(box.Text()).empty()) return;
                const int width = field == DirectionsField ? DirectionsWidth : IngredientWidth;
                box.setText(basic::Left(CarryPair(box.Text(), pair), width));
            });
        }
    }
    showDirectionsLength();
    state_.ChangeAllPending = false;
}

}  // namespace recipes
