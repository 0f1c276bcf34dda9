// morvane-calc --help and the usage summary of its messages, written from
// the table of its options (Options.h) in the user's language.
#pragma once

#include <string>

// The usage summary: the heading, then one line for each form of the
// command (kCommandForms) with the options that go with it, options of an
// exclusive group as "[--a | --b]", wrapped at 80 columns.
std::string UsageText();

// The whole help: the usage summary, the introduction, every option with
// its description (kOptions), and the exit statuses.
std::string HelpText();

// An option's description as the completions show it: its help text on one
// line.
std::string OneLineHelp(const char* Help);
