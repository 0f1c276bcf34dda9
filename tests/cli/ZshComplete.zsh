# zsh -f ZshComplete.zsh FOLDER LINE...
#
# Prints, one a line, the words that the completion in FOLDER (an fpath
# folder) offers at the end of each LINE, and after each line's words a
# line "--". zsh completes only in its line editor, so a zsh on a
# pseudo-terminal is given each line and a key that completes; its compadd
# writes down the words it is given before it adds them.
zmodload zsh/zpty
local offered=$(mktemp) folder=$1 line n=0
shift
zpty shell zsh -f -i
zpty -w shell "PS1=; fpath=(${(q)folder} \$fpath); autoload -U compinit; compinit -u -D"
zpty -w shell "compadd () {
  if (( \${@[(I)-[OAD]]} )); then builtin compadd \"\$@\"; return; fi
  local -a hits; builtin compadd -O hits \"\$@\"; print -rl -- \$hits >> ${(q)offered}
  builtin compadd \"\$@\"
}"
# A key that completes, then notes the end of the line's words and prints a
# mark: once the mark shows, the completion is done.
zpty -w shell "complete-and-mark() { zle complete-word; print -- -- >> ${(q)offered}; print -n \"done\$((6 * 7))\"; }"
zpty -w shell 'zle -N complete-and-mark; bindkey "^T" complete-and-mark'
for line in "$@"; do
  zpty -w -n shell "$line"$'\C-t'
  zpty -r shell ignored '*done42*'
  # Away with the line, for the next one.
  zpty -w -n shell $'\C-u'
done
zpty -d shell
cat $offered
rm -f $offered
