// Phonetic typing: the renderer (Latin keys to Bengali), the word state that
// injects only the changed tail, and the spelling of the letter table's rows.

#include "engine/PhoneticWord.h"
#include "layouts/RowTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tessik {
namespace {

std::string Utf8(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Each word of `words` (split at spaces, as typing a space ends a word)
// rendered on its own, joined by spaces again.
std::string RenderWords(std::string_view words) {
    std::string out;
    for (std::size_t start = 0; start <= words.size();) {
        const std::size_t end = std::min(words.find(' ', start), words.size());
        out += (start ? " " : "") + Utf8(RenderPhonetic(words.substr(start, end - start)).View());
        start = end + 1;
    }
    return out;
}

struct RenderCase {
    const char* keys;
    const char* bengali;
};

TEST(PhoneticRenderer, RendersEachPieceEachRuleAndTheWorkedExamples) {
    // RRA, RHA and YYA are written as their codes (U+09DC, U+09DD, U+09DF):
    // editors tend to store them as the letter and a separate nukta.
    const RenderCase cases[] = {
        // keys (words) -> Bengali. Every piece of the scheme, alone.
        {"k q kh g G gh Gh Ng c", "ক ক খ গ গ ঘ ঘ ঙ চ"},
        {"ch j jh NG T Th D Dh N", "ছ জ ঝ ঞ ট ঠ ড ঢ ণ"},
        {"t th d dh n p ph f b", "ত থ দ ধ ন প ফ ফ ব"},
        {"bh v m z r rr l sh S", "ভ ভ ম য র র ল শ শ"},
        {"Sh s h R Rh x kkh gg", "ষ স হ \u09DC \u09DD ক্স ক্ষ জ্ঞ"},
        {"a i I ee u U oo e O OI OU rri", "আ ই ঈ ঈ উ ঊ উ এ ও ঐ ঔ ঋ"},
        {"ka ki kI kee ku kU koo ke kO kOI kOU krri", "কা কি কী কী কু কূ কু কে কো কৈ কৌ কৃ"},
        {"o y w Z ng ^ : t`` ` , ,, .", "অ \u09DF ও ্য ং ঁ : ৎ  , ্\u200C ।"},
        // Capitals other than D G I N O R S T U Z are small letters.
        {"K KH Kh A E AmI", "ক খ খ আ এ আমী"},
        // 1. Joining, and the longest match.
        {"kt prem kormo korrmo bondhu uccaroN kk kkh", "ক্ত প্রেম কর্ম কর্ম বন্ধু উচ্চারণ ক্ক ক্ষ"},
        // 2. Vowels: the sign after a consonant, else the independent form.
        {"ami bai k`a k,a ka^i t``a", "আমি বাই কআ ক,আ কাঁই ৎআ"},
        // 3. o: nothing after a consonant, o after a vowel, else a.
        {"kolom kot khao k`o boi bou", "কলম কত খাও কঅ বই বউ"},
        // 4. y: ya-phala after a consonant, else yya, which takes vowel
        // signs but joins nothing.
        {"sotyo amay koy hoye priyo hoytO", "সত্য আমা\u09DF ক\u09DF হ\u09DFে প্রি\u09DF হ\u09DFতো"},
        // 5. w: ba-phala after a consonant, else o. Z: ya-phala after anything.
        {"sbadhIn swadhIn wa oZasiD kZ Za", "স্বাধীন স্বাধীন ওআ অ্যাসিড ক্য ্যা"},
        // 6. ng: nga before a vowel or o, else anusvara; nga joins what follows.
        {"ranga rongin bangla rong ngo ngk", "রাঙা রঙিন বাংলা রং ঙ ংক"},
        // 7. The colon: itself at the start of a word, else visarga.
        {"du:kho : :k ::", "দুঃখ : :ক :ঃ"},
        // 8. Nothing joins a sign, a separator or punctuation.
        {"bak,,s k`t ka^d t``k k.k k:t", "বাক্\u200Cস কত কাঁদ ৎক ক।ক কঃত"},
        // A key that no piece names types itself if printable, and joins nothing.
        {"k5t k\bt", "ক5ত কত"},
        // The worked examples.
        {"amar sOnar bangla, ami tOmay bhalObasi.", "আমার সোনার বাংলা, আমি তোমা\u09DF ভালোবাসি।"},
        {"bidyaloy shikSha shikkha Sorot``", "বিদ্যাল\u09DF শিক্ষা শিক্ষা শরৎ"},
        {"chele ca krriShok hoThat`` ca^d biggan", "ছেলে চা কৃষক হঠাৎ চাঁদ বিজ্ঞান"},
    };
    for (const RenderCase& c : cases)
        EXPECT_EQ(RenderWords(c.keys), c.bengali) << c.keys;
}

TEST(PhoneticRenderer, ReadsOnlyTheKeysAWordHolds) {
    const std::string keys(kMaxWordKeys + 5, 'k');
    EXPECT_EQ(RenderPhonetic(keys).View(), RenderPhonetic(keys.substr(0, kMaxWordKeys)).View());
}

// What a text box shows after the batches: a Backspace takes one unit off.
void Apply(const InjectionBatch& batch, std::u16string& box) {
    for (const uint16_t unit : batch) {
        if (unit != InjectionBatch::kBackspace)
            box += static_cast<char16_t>(unit);
        else if (!box.empty())
            box.pop_back();
    }
}

struct WordCase {
    const char* keys; // '\b' is Backspace
    std::vector<std::u16string> batches; // u'\b' is Backspace
};

TEST(PhoneticWord, InjectsOnlyTheChangedTail) {
    const WordCase cases[] = {
        {"kh", {u"ক", u"\bখ"}},
        {"kt", {u"ক", u"্ত"}},
        {"kh\b", {u"ক", u"\bখ", u"\bক"}},
        // Nothing injected yet, so no Backspace.
        {"`k", {u"", u"ক"}},
        {"t``", {u"ত", u"", u"\bৎ"}},
        {"rang\b\bi", {u"র", u"া", u"ন", u"\bং", u"\bন", u"\b", u"ই"}},
        {"ranga", {u"র", u"া", u"ন", u"\bং", u"\bঙা"}},
    };
    for (const WordCase& c : cases) {
        PhoneticWord word;
        std::vector<std::u16string> batches;
        for (const char* key = c.keys; *key; ++key) {
            InjectionBatch batch;
            if (*key == '\b')
                EXPECT_TRUE(word.Backspace(batch));
            else
                word.Type(*key, batch);
            batches.emplace_back(batch.begin(), batch.end());
        }
        EXPECT_EQ(batches, c.batches) << c.keys;
    }
}

TEST(PhoneticWord, EndsAWordThatWouldOutgrowItsKeysAndNeverEditsAnEndedWord) {
    PhoneticWord word;
    std::u16string box;
    InjectionBatch batch;
    EXPECT_FALSE(word.Backspace(batch));
    for (std::size_t i = 0; i < kMaxWordKeys; ++i) {
        word.Type('k', batch);
        Apply(std::exchange(batch, {}), box);
    }
    const std::u16string full = box;
    word.Type('a', batch);
    EXPECT_EQ(std::u16string(batch.begin(), batch.end()), u"আ");
    EXPECT_EQ(word.Keys(), "a");
    EXPECT_TRUE(word.Backspace(batch));
    EXPECT_FALSE(word.Backspace(batch));
    Apply(batch, box);
    EXPECT_EQ(box, full);

    word.Type('k', batch = {});
    word.End();
    EXPECT_TRUE(word.Empty());
    EXPECT_FALSE(word.Backspace(batch = {}));
    word.Type('h', batch = {});
    EXPECT_EQ(std::u16string(batch.begin(), batch.end()), u"হ");
}

// Random words typed key by key, with Backspaces: after every key the text
// box holds the text before the word and the rendering of the word so far.
TEST(PhoneticWord, TheTargetAlwaysHoldsTheRenderingOfTheKeysSoFar) {
    const std::string_view alphabet = "abcdefghijklmnopqrstuvwxyz"
                                      "ABCDEFGHIJKLMNOPQRSTUVWXYZ`,.:^";
    std::mt19937 random(18);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    const std::u16string before = u"«";
    PhoneticWord word;
    for (int words = 0; words < 3000; ++words) {
        std::u16string box = before;
        std::string keys;
        while (keys.size() < kMaxWordKeys && percent(random) >= 5) {
            InjectionBatch batch;
            if (percent(random) < 15) {
                EXPECT_EQ(word.Backspace(batch), !keys.empty());
                if (!keys.empty())
                    keys.pop_back();
            } else {
                keys += alphabet[pick(random)];
                word.Type(keys.back(), batch);
            }
            Apply(batch, box);
            ASSERT_EQ(box, before + std::u16string(RenderPhonetic(keys).View())) << keys;
        }
        word.End();
    }
}

TEST(PhoneticSpelling, SpellsEveryRowWithTheFirstPieceThatTypesItAlone) {
    const char* const spellings[kRowCount] = {
        "o", "a", "i", "I", "u", "U", "rri", "e", "OI", "O", "OU",           // a, signs
        "k", "kh", "g", "gh", "Ng", "c", "ch", "j", "jh", "NG",              // ka .. nya
        "T", "Th", "D", "Dh", "N", "t", "th", "d", "dh", "n",                // tta .. na
        "p", "ph", "b", "bh", "m", "z", "r", "l", "sh", "Sh",                // pa .. ssa
        "s", "h", "R", "Rh", "y", "t``", "ng", ":", "^", ",,", "y", "r", "r", "."};
    for (int row = 0; row < kRowCount; ++row)
        EXPECT_EQ(PhoneticSpelling(kRows[row].code), spellings[row]) << "row " << row + 1;
    for (const CodeValue noRow : {0, 1, 0x098C, 0x09FF, 0x10995})
        EXPECT_EQ(PhoneticSpelling(noRow), "") << noRow;
}

// Each row's spelling typed where its letter stands (a sign after k, the
// reph before it) gives the letter the table shows, with KA for the dotted
// circle. The joiner after the explicit hasanta is no letter.
TEST(PhoneticSpelling, EveryRowOfTheLetterTableCanBeTyped) {
    const std::string_view circle = "\u25CC";
    for (const LetterRow& row : kRows) {
        std::string keys(PhoneticSpelling(row.code));
        std::string letter(row.letter);
        if (letter.starts_with(circle))
            keys = "k" + keys;
        else if (letter.ends_with(circle))
            keys += "k";
        if (const auto at = letter.find(circle); at != std::string::npos)
            letter.replace(at, circle.size(), "ক");
        std::u16string typed(RenderPhonetic(keys).View());
        std::erase(typed, u'\u200C');
        EXPECT_EQ(Utf8(typed), letter) << row.name << ": " << keys;
    }
}

} // namespace
} // namespace tessik
