# zsh -f ZshComplete.zsh FOLDER LINE
#
# Prints, one a line, the words that the completion in FOLDER (an fpath
# folder) offers at the end of LINE. zsh completes only in its line editor,
# so a zsh on a pseudo-terminal is given the line and a key that completes;
# its compadd writes down the words it is given before it adds them.
zmodload zsh/zpty
local offered=$(mktemp)
zpty shell zsh -f -i
zpty -w shell "PS1=; fpath=(${(q)1} \$fpath); autoload -U compinit; compinit -u -D"
zpty -w shell "compadd () {
  if (( \${@[(I)-[OAD]]} )); then builtin compadd \"\$@\"; return; fi
  local -a hits; builtin compadd -O hits \"\$@\"; print -rl -- \$hits >> ${(q)offered}
  builtin compadd \"\$@\"
}"
# A key that completes and then prints a mark: once the mark shows, the
# completion is done.
zpty -w shell 'complete-and-mark() { zle complete-word; print -n "done$((6 * 7))"; }'
zpty -w shell 'zle -N complete-and-mark; bindkey "^T" complete-and-mark'
zpty -w -n shell "$2"$'\C-t'
zpty -r shell ignored '*done42*'
zpty -d shell
cat $offered
rm -f $offered
