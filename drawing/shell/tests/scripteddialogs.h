#pragma once
// Dialogs answered from a script, for tests: each call takes the next answer of its kind and
// records what it was shown.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "drawing/shell/dialogs.h"

namespace shell::testing {

struct ShownPrompt {
    std::string title;
    std::string text;
    std::string initial;
    int maxChars;
};

class ScriptedDialogs : public Dialogs {
public:
    std::deque<std::optional<std::string>> promptAnswers;  // nullopt = Cancel
    // Each entry: the texts typed (height, width), or nullopt = Cancel.
    std::deque<std::optional<std::pair<std::string, std::string>>> sizeAnswers;
    // nullopt = Cancel; else what to do with the preselection (true = keep it).
    std::deque<std::optional<SeparatorTrans>> separatorAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<std::pair<render::FontDescription, render::Rgb>>> fontAnswers;

    std::vector<ShownPrompt> prompts;
    std::vector<Sizetrans> sizeShown;
    std::vector<SeparatorTrans> separatorShown;
    int fileDialogs = 0;

    std::optional<std::string> prompt(const std::string& title, const std::string& text,
                                      const std::string& initial, int maxChars) override {
        prompts.push_back({title, text, initial, maxChars});
        return take(promptAnswers);
    }
    bool sizeDialog(Sizetrans& trans) override {
        sizeShown.push_back(trans);
        const auto answer = take(sizeAnswers);
        if (!answer) return false;
        copy(trans.height, answer->first);
        copy(trans.width, answer->second);
        return true;
    }
    bool separatorDialog(SeparatorTrans& trans) override {
        separatorShown.push_back(trans);
        const auto answer = take(separatorAnswers);
        if (!answer) return false;
        trans = *answer;
        return true;
    }
    std::optional<std::string> openFileName(const std::string&, const std::string&) override {
        ++fileDialogs;
        return take(fileAnswers);
    }
    std::optional<std::string> saveFileName(const std::string&, const std::string&,
                                            const std::string&) override {
        ++fileDialogs;
        return take(fileAnswers);
    }
    bool chooseFont(render::FontDescription& font, render::Rgb& colour) override {
        const auto answer = take(fontAnswers);
        if (!answer) return false;
        font = answer->first;
        colour = answer->second;
        return true;
    }

private:
    template <typename T>
    static std::optional<typename T::value_type::value_type> take(T& queue) {
        if (queue.empty()) return std::nullopt;
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
    static void copy(char (&dest)[10], const std::string& text) {
        const std::size_t n = std::min(text.size(), sizeof dest - 1);
        text.copy(dest, n);
        dest[n] = 0;
    }
};

// Installs the script for the lifetime of the guard.
class ScopedDialogs {
public:
    explicit ScopedDialogs(Dialogs& d) { setDialogs(&d); }
    ~ScopedDialogs() { setDialogs(nullptr); }
};

}  // namespace shell::testing
