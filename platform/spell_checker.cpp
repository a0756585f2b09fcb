#include "platform/spell_checker.h"

#include <algorithm>
#include <optional>

#include "platform/basic/text.h"

namespace platform {

namespace {

bool IsLetter(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
    // Windows-1252's letters above ASCII: the accented ones and a few more.
    if (u >= 0xC0) return u != 0xD7 && u != 0xF7;
    return u == 0x8A || u == 0x8C || u == 0x8E || u == 0x9A || u == 0x9C || u == 0x9E || u == 0x9F;
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordPart(char c) { return IsLetter(c) || IsDigit(c) || c == '\''; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct Span {
    std::size_t start;
    std::size_t length;
};

// The next word at or after `from`: letters and inner apostrophes. Runs
// that hold a digit ("350F", "2nd") are no words to check.
std::optional<Span> NextWord(const std::string& text, std::size_t from) {
    std::size_t at = from;
    while (at < text.size()) {
        while (at < text.size() && !IsWordPart(text[at])) ++at;
        std::size_t end = at;
        while (end < text.size() && IsWordPart(text[end])) ++end;
        std::size_t start = at;
        std::size_t stop = end;
        while (start < stop && text[start] == '\'') ++start;
        while (stop > start && text[stop - 1] == '\'') --stop;
        const bool hasDigit = std::any_of(text.begin() + static_cast<std::ptrdiff_t>(start),
                                          text.begin() + static_cast<std::ptrdiff_t>(stop), IsDigit);
        if (stop > start && !hasDigit) return Span{start, stop - start};
        at = end;
    }
    return std::nullopt;
}

// How much of the text from `start` a pair's word covers: its words in any
// case, with blanks between them. Nothing when they do not stand there.
std::optional<std::size_t> Covered(const std::string& text, std::size_t start, std::string_view pairWord) {
    std::size_t at = start;
    std::size_t end = start;
    std::size_t part = 0;
    while (part < pairWord.size()) {
        while (part < pairWord.size() && pairWord[part] == ' ') ++part;
        if (part >= pairWord.size()) break;
        std::size_t partEnd = pairWord.find(' ', part);
        if (partEnd == std::string_view::npos) partEnd = pairWord.size();
        if (at != start) {
            // The next word must follow after blanks alone.
            std::size_t gap = end;
            while (gap < text.size() && IsBlank(text[gap])) ++gap;
            if (gap == end) return std::nullopt;
            at = gap;
        }
        const auto word = NextWord(text, at);
        if (!word || word->start != at) return std::nullopt;
        if (!basic::EqualsNoCase(std::string_view(text).substr(word->start, word->length),
                                 pairWord.substr(part, partEnd - part)))
            return std::nullopt;
        end = word->start + word->length;
        at = end;
        part = partEnd;
    }
    if (end == start) return std::nullopt;
    return end - start;
}

bool HasCapital(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return IsLetter(c) && basic::LowerChar(c) != c; });
}

}  // namespace

std::string CorrectionInCase(std::string_view correction, std::string_view pairWord, std::string_view foundWord) {
    std::string result = HasCapital(pairWord) ? basic::LCase(correction) : std::string(correction);
    if (!result.empty() && !foundWord.empty() && basic::UpperChar(foundWord.front()) == foundWord.front())
        result.front() = basic::UpperChar(result.front());
    return result;
}

SpellChecker::SpellChecker(const Services& services) : services_(services) {}

void SpellChecker::AddReplacement(std::string word, std::string correction) {
    replacements_.push_back({std::move(word), std::move(correction)});
}

std::string SpellChecker::ReplacementWord(int i) const { return basic::UCase(ReplacementEntry(i).word); }

SpellChecker::Found SpellChecker::pairAt(std::size_t start, std::size_t wordLength) const {
    Found best{start, wordLength, nullptr};
    for (const Replacement& pair : replacements_) {
        const auto covered = Covered(text_, start, pair.word);
        if (!covered) continue;
        // A word already written as its correction ("I") is no misspelling.
        const std::string found = text_.substr(start, *covered);
        if (CorrectionInCase(pair.correction, pair.word, found) == found) continue;
        if (!best.pair || *covered > best.length) best = {start, *covered, &pair};
    }
    return best;
}

std::vector<std::string> SpellChecker::suggestionsFor(const std::string& found) {
    std::vector<std::string> suggestions;
    auto offer = [&](std::string s) {
        if (!s.empty() && s != found && std::find(suggestions.begin(), suggestions.end(), s) == suggestions.end())
            suggestions.push_back(std::move(s));
    };
    for (const Replacement& pair : replacements_)
        if (basic::EqualsNoCase(pair.word, found)) offer(CorrectionInCase(pair.correction, pair.word, found));
    if (services_.speller.HasDictionary())
        for (std::string& s : services_.speller.Suggest(found)) offer(std::move(s));
    return suggestions;
}

void SpellChecker::replace(const Found& at, const std::string& with) {
    text_.replace(at.start, at.length, with);
    ++changeCount_;
    if (onTextChanged) onTextChanged();
}

void SpellChecker::tellIfDictionaryMissing() {
    if (!services_.speller.TellMissingDictionaryOnce()) return;
    services_.dialogs.MessageBox({"Spelling Check",
                                  "No dictionary was found, so the spelling check looks only for the program's "
                                  "own list of common misspellings.\r\rInstall the English (US) dictionary "
                                  "for a full check.",
                                  MsgIcon::Information, MsgButtons::OK, 1});
}

void SpellChecker::CheckText() {
    tellIfDictionaryMissing();
    changeCount_ = 0;
    changeAll_.clear();
    bool cancelled = false;
    std::size_t from = 0;
    while (!cancelled) {
        const auto word = NextWord(text_, from);
        if (!word) break;
        const Found at = pairAt(word->start, word->length);
        const std::string found = text_.substr(at.start, at.length);
        const std::string key = basic::UCase(found);
        from = at.start + at.length;

        if (const auto chosen = changeAll_.find(key); chosen != changeAll_.end()) {
            const std::string with = CorrectionInCase(chosen->second.correction, chosen->second.word, found);
            replace(at, with);
            from = at.start + with.size();
            continue;
        }
        if (ignored_.contains(key)) continue;
        const bool unknown = services_.speller.HasDictionary() && !services_.speller.IsKnown(found);
        if (!at.pair && !unknown) continue;

        badStart_ = static_cast<int>(at.start);
        badLength_ = static_cast<int>(at.length);
        if (onBadWord) onBadWord();
        if (!askUser_) continue;

        const SpellAnswer answer = services_.spellDialog.Ask({found, text_, suggestionsFor(found)}, [this] {
            if (onHelp) onHelp();
        });
        if (onActionChosen) onActionChosen(static_cast<int>(answer.action));
        switch (answer.action) {
            case SpellAction::ChangeAll:
                if (answer.replacement != found) {
                    AddReplacement(found, answer.replacement);
                    changeAll_[key] = {found, answer.replacement};
                }
                [[fallthrough]];
            case SpellAction::Change:
                if (answer.replacement != found) {
                    replace(at, answer.replacement);
                    from = at.start + answer.replacement.size();
                }
                break;
            case SpellAction::IgnoreAll: ignored_.insert(key); break;
            case SpellAction::Ignore: break;
            case SpellAction::Cancel: cancelled = true; break;
        }
    }
    if (onCheckEnded) onCheckEnded(cancelled ? -1 : 0);
}

}  // namespace platform
