#include "ProblemText.h"

#include "Messages.h"
#include "TextRules.h"
#include "UserLocale.h"

namespace {

// The date core's English text of a conversion error as the window shows
// it (with its full stop), split around the place of the text it quotes:
// read once from an error made for the purpose, so that a failing line
// costs no exception object, and the text stays the core's own.
struct TConvertText {
    std::string Before, After;
};

const TConvertText& ConvertText(TConvertProblem Problem) {
    static const auto Read = [](TConvertProblem P) {
        constexpr std::string_view kPlace = "\x01";
        std::string Text = TConvertError(P, std::string(kPlace)).what();
        AppendFullStop(Text);
        const std::size_t Place = Text.find(kPlace);
        if (Place == std::string::npos)
            return TConvertText{Text, {}};
        return TConvertText{Text.substr(0, Place), Text.substr(Place + kPlace.size())};
    };
    static const TConvertText kNotInteger = Read(cpNotInteger);
    static const TConvertText kDateEncode = Read(cpDateEncode);
    return Problem == cpNotInteger ? kNotInteger : kDateEncode;
}

} // namespace

void AppendEnglishProblem(std::string& Out, const TProblem& Problem) {
    if (Problem.Kind == TProblem::pkMessage) {
        AppendFilled(Out, Problem.Text, {ShownText(Problem.Arg)});
        return;
    }
    const TConvertText& Text =
        ConvertText(Problem.Kind == TProblem::pkNotInteger ? cpNotInteger : cpDateEncode);
    Out += Text.Before;
    if (Problem.Kind == TProblem::pkNotInteger)
        Out += ShownText(Problem.Arg);
    Out += Text.After;
}

void AppendShownProblem(std::string& Out, const TProblem& Problem) {
    if (!InUserLanguage()) {
        AppendEnglishProblem(Out, Problem);
        return;
    }
    switch (Problem.Kind) {
    case TProblem::pkMessage:
        AppendFilled(Out, Tr(Problem.Text), {ShownText(Problem.Arg)});
        return;
    case TProblem::pkNotInteger:
        Out += TranslatedError(meNotInteger, ShownText(Problem.Arg));
        return;
    case TProblem::pkDateEncode:
        Out += TranslatedError(meDateEncode);
        return;
    }
}
