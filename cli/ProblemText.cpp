#include "ProblemText.h"

#include "Messages.h"
#include "TextRules.h"
#include "UserLocale.h"

void AppendEnglishProblem(std::string& Out, const TProblem& Problem) {
    switch (Problem.Kind) {
    case TProblem::pkMessage:
        AppendFilled(Out, Problem.Text, {ShownText(Problem.Arg)});
        return;
    case TProblem::pkNotInteger:
    case TProblem::pkDateEncode: {
        // The date core's own text, as the window shows it.
        std::string Text = Problem.Kind == TProblem::pkNotInteger
                               ? TConvertError(cpNotInteger, ShownText(Problem.Arg)).what()
                               : TConvertError(cpDateEncode).what();
        AppendFullStop(Text);
        Out += Text;
        return;
    }
    }
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
