#include "Help.h"

#include "Messages.h"
#include "Options.h"
#include "UserLocale.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kWidth = 80; // the columns of a terminal
constexpr std::string_view kProgram = "  morvane-calc";
constexpr std::size_t kDescriptionColumn = 20; // where descriptions start

// An option as the summary and the list write it: "--days N", "-h, --help".
std::string Spelling(const TOption& Option, bool WithShort) {
    std::string Text;
    if (WithShort && Option.Short != 0) {
        Text += '-';
        Text += Option.Short;
        Text += ", ";
    }
    Text += "--";
    Text += Option.Name;
    if (!Option.ValueName.empty()) {
        Text += ' ';
        Text += Option.ValueName;
    }
    return Text;
}

// The bracketed pieces of Form's summary line: each option that goes with
// it, those of one exclusive group together, in the table's order.
std::vector<std::string> OptionPieces(TCommand Form) {
    std::vector<std::string> Pieces;
    std::vector<std::uint8_t> GroupsDone;
    for (const TOption& Option : kOptions) {
        if ((Option.Commands & Form) == 0)
            continue;
        std::string Piece = "[" + Spelling(Option, false);
        if (Option.Group != 0) {
            if (std::find(GroupsDone.begin(), GroupsDone.end(), Option.Group) != GroupsDone.end())
                continue;
            GroupsDone.push_back(Option.Group);
            for (const TOption& Other : kOptions)
                if (&Other != &Option && Other.Group == Option.Group && (Other.Commands & Form))
                    Piece += " | " + Spelling(Other, false);
        }
        Piece += Option.Repeatable ? "]..." : "]";
        Pieces.push_back(std::move(Piece));
    }
    return Pieces;
}

// Appends Words to Out as lines that start with Lead and go on under the
// first word after it, at most kWidth columns wide (every word is ASCII).
void AppendWrapped(std::string& Out, std::string_view Lead, const std::vector<std::string>& Words) {
    std::string Line(Lead);
    const std::size_t Indent = Lead.size() + 1;
    bool LineEmpty = true; // nothing after the lead on this line yet
    for (const std::string& Word : Words) {
        if (!LineEmpty && Line.size() + 1 + Word.size() > kWidth) {
            Out += Line + '\n';
            Line.assign(Indent - 1, ' ');
            LineEmpty = true;
        }
        Line += ' ';
        Line += Word;
        LineEmpty = false;
    }
    Out += Line + '\n';
}

void SplitWordsInto(std::vector<std::string>& Words, std::string_view Text) {
    for (std::size_t Pos = 0; Pos < Text.size();) {
        const std::size_t End = std::min(Text.find(' ', Pos), Text.size());
        if (End > Pos)
            Words.emplace_back(Text.substr(Pos, End - Pos));
        Pos = End + 1;
    }
}

// The list of options: each row's spellings, and its description from
// column kDescriptionColumn + 1 (on the next line when they reach it), its
// lines as the catalog breaks them.
void AppendOptionList(std::string& Out) {
    for (std::size_t I = 0; I < kOptions.size();) {
        std::string Names = "  " + Spelling(kOptions[I], true);
        const char* Help = kOptions[I].Help;
        for (++I; I < kOptions.size() && !kOptions[I].Help; ++I)
            Names += ", " + Spelling(kOptions[I], true);
        Out += Names;
        if (Names.size() + 1 > kDescriptionColumn)
            Out += '\n' + std::string(kDescriptionColumn, ' ');
        else
            Out += std::string(kDescriptionColumn - Names.size(), ' ');
        const std::string& Description = Tr(Help);
        for (const char C : Description) {
            Out += C;
            if (C == '\n')
                Out += std::string(kDescriptionColumn, ' ');
        }
        Out += '\n';
    }
}

} // namespace

std::string UsageText() {
    std::string Out = Tr(kUsageHeading) + '\n';
    for (const TCommandForm& Form : kCommandForms) {
        std::vector<std::string> Words;
        SplitWordsInto(Words, Form.Before);
        const std::vector<std::string> Pieces = OptionPieces(Form.Command);
        Words.insert(Words.end(), Pieces.begin(), Pieces.end());
        SplitWordsInto(Words, Form.After);
        AppendWrapped(Out, kProgram, Words);
    }
    return Out;
}

std::string HelpText() {
    std::string Out = UsageText() + Tr(kHelpIntro);
    AppendOptionList(Out);
    return Out + Tr(kExitStatusHelp);
}

std::string OneLineHelp(const char* Help) {
    std::string Text = Tr(Help);
    std::replace(Text.begin(), Text.end(), '\n', ' ');
    return Text;
}
