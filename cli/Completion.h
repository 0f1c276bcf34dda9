// What the shells' completions of morvane-calc offer, worked out from the
// table of its options (Options.h): the completion scripts for bash, zsh and
// fish (packaging/) run "morvane-calc __complete WORD..." and show what it
// prints, so that no shell restates which option goes with which command.
#pragma once

#include <span>
#include <string>
#include <string_view>

// The first word that asks for a completion rather than a calculation.
inline constexpr std::string_view kCompleteWord = "__complete";

// What to offer for the last of Words (the words after the program's name,
// the last one being typed, maybe empty), as lines:
// - first a mode: "words" (complete a word and a space after it), "list"
//   (a list of names separated by commas: no space after), or "files" (the
//   shell completes file names; a second line holds what precedes the file
//   name in the word, such as "--holidays=", maybe empty);
// - then, for words and lists, each word to offer that starts with what is
//   typed, whole, with a tab and its description where it has one.
// Offered are the commands and the options that go with what the words
// hold so far (none given already unless it may be repeated, none that
// excludes one given), the dates today, yesterday and tomorrow where a
// date is due, and the names of an option's list.
std::string Completions(std::span<const std::string_view> Words);
