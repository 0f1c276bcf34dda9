#include "Completion.h"

#include "CommandLine.h"
#include "Help.h"
#include "Messages.h"
#include "Options.h"

#include <algorithm>
#include <vector>

namespace {

// The description of Option: its own help text or, for one that shares it,
// that of the row before.
const char* HelpOf(const TOption& Option) {
    const TOption* Row = &Option;
    while (!Row->Help && Row != kOptions.data())
        --Row;
    return Row->Help;
}

// Adds Word to Out when it starts with Typed, with its description when it
// has one.
void Offer(std::string& Out, std::string_view Typed, std::string_view Word,
           const char* Help = nullptr) {
    if (!Word.starts_with(Typed))
        return;
    Out += Word;
    if (Help) {
        Out += '\t';
        Out += OneLineHelp(Help);
    }
    Out += '\n';
}

// What to offer for the value Typed of Option, written after Prefix in the
// word being typed.
std::string ValueCompletions(const TOption& Option, std::string_view Prefix,
                             std::string_view Typed) {
    if (Option.Value == TValueKind::File)
        return "files\n" + std::string(Prefix) + "\n";
    if (Option.Value != TValueKind::List || !Option.Names)
        return "words\n";
    // The names not listed yet, after those that are.
    const std::string_view Listed = Typed.substr(0, Typed.rfind(',') + 1);
    std::string Out = "list\n";
    for (const std::string& Name : Option.Names()) {
        const std::string Item = "," + Name + ",";
        if (("," + std::string(Listed)).find(Item) == std::string::npos)
            Offer(Out, std::string(Prefix) + std::string(Typed),
                  std::string(Prefix) + std::string(Listed) + Name);
    }
    return Out;
}

} // namespace

std::string Completions(std::span<const std::string_view> Words) {
    if (Words.empty())
        return "words\n";
    const std::string_view Typed = Words.back();
    std::vector<const TOption*> Given;
    std::vector<std::string_view> Operands;
    const TOption* Pending = nullptr; // the option whose value comes next
    bool OptionsEnded = false;
    for (const std::string_view Word : Words.first(Words.size() - 1)) {
        if (Pending) {
            Pending = nullptr;
            continue;
        }
        if (!OptionsEnded && Word == "--") {
            OptionsEnded = true;
        } else if (!OptionsEnded && Word.size() >= 2 && Word[0] == '-') {
            const TOption* Option = Word[1] == '-' ? FindOption(Word.substr(2, Word.find('=') - 2))
                                    : Word.size() == 2 ? FindShortOption(Word[1])
                                                       : nullptr;
            if (!Option)
                continue;
            Given.push_back(Option);
            if (Option->Value != TValueKind::None && Word.find('=') == std::string_view::npos)
                Pending = Option;
        } else {
            Operands.push_back(Word);
        }
    }
    if (Pending)
        return ValueCompletions(*Pending, {}, Typed);
    if (!OptionsEnded && Typed.starts_with("--") && Typed.find('=') != std::string_view::npos) {
        const std::size_t Equals = Typed.find('=');
        const TOption* Option = FindOption(Typed.substr(2, Equals - 2));
        if (!Option || Option->Value == TValueKind::None)
            return "words\n";
        return ValueCompletions(*Option, Typed.substr(0, Equals + 1), Typed.substr(Equals + 1));
    }

    // The forms still open: those of the operands, and of every option given.
    TCommands Forms = Operands.empty() ? kAllCommands : FormsOf(Operands, false);
    for (const TOption* Option : Given)
        Forms &= Option->Commands;
    std::string Out = "words\n";
    if (Operands.empty()) {
        if (Forms & cmDiff)
            Offer(Out, Typed, "diff", kDiffCommandHelp);
        if (Forms & (cmAdd | cmAddBatch))
            Offer(Out, Typed, "add", kAddCommandHelp);
        if (Forms & cmBatch)
            Offer(Out, Typed, "-", kBatchCommandHelp);
    } else if ((Operands.front() == "diff" && Operands.size() < 3) ||
               (Operands.front() == "add" && Operands.size() == 1)) {
        for (const std::string_view Day : {"today", "yesterday", "tomorrow"})
            Offer(Out, Typed, Day);
        if (Operands.front() == "add" && (Forms & cmAddBatch))
            Offer(Out, Typed, "-");
    }
    if (OptionsEnded)
        return Out;
    const bool Alone = Words.size() == 1; // nothing typed before this word
    for (const TOption& Option : kOptions) {
        const bool Fits = Option.Commands == 0 ? Alone : (Option.Commands & Forms) != 0;
        const bool Taken = std::any_of(Given.begin(), Given.end(), [&](const TOption* G) {
            return (G == &Option && !Option.Repeatable) ||
                   (Option.Group != 0 && G->Group == Option.Group);
        });
        if (Fits && !Taken)
            Offer(Out, Typed, "--" + std::string(Option.Name), HelpOf(Option));
    }
    return Out;
}
