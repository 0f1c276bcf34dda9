# Fish completion for morvane-calc. What to offer comes from the program
# itself, from the table of its options ("morvane-calc __complete WORD...",
# see its cli/Completion.h): the commands and the options that go with what
# is typed so far, dates where a date is due, the names of a list, and file
# names where a file is due.
function __morvane_calc_complete
    set -l tokens (commandline -opc)
    set -l typed (commandline -ct)
    set -l reply ($tokens[1] __complete $tokens[2..-1] "$typed" 2>/dev/null)
    switch "$reply[1]"
        case files
            set -l prefix "$reply[2]"
            for path in (__fish_complete_path (string sub -s (math (string length -- "$prefix") + 1) -- "$typed"))
                echo "$prefix$path"
            end
        case list words
            printf '%s\n' $reply[2..-1]
    end
end

complete -c morvane-calc -f -a '(__morvane_calc_complete)'
