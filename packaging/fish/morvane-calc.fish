# Fish completion for morvane-calc, by the rules of its bash completion: the
# commands, the options that go with each (none that is already given, none
# that excludes one given), the dates today, yesterday and tomorrow where a
# date is due (none after diff's two), and the names that --units takes.

# True when Word is to be offered after what the command line holds so far.
function __morvane_calc_offers --argument-names word
    set -l command
    set -l dates 0
    set -l given
    set -l value 0
    for token in (commandline -opc)[2..-1]
        if test $value = 1
            set value 0
            continue
        end
        switch $token
            case --days --weekdays --weeks --fortnights --months --years --format --units
                set -a given $token
                set value 1
            case '--*=*'
                set -a given (string split -m 1 = -- $token)[1]
            case --iso --json --phrase-only --help --version
                set -a given $token
            case -h
                set -a given --help
            case -v
                set -a given --version
            case '-?*'
            case '*'
                if test -z "$command"
                    set command $token
                else
                    set dates (math $dates + 1)
                end
        end
    end
    # The word being typed is an option's value: nothing here is offered.
    test $value = 1; and return 1
    set -l words
    switch "$command"
        case ''
            set words diff add - --iso --json --format --units --phrase-only --help --version
        case diff
            set words --iso --json --units --phrase-only
            test $dates -lt 2; and set -p words today yesterday tomorrow
        case add
            set words --days --weekdays --weeks --fortnights --months --years --iso --json --format
            test $dates -lt 1; and set -p words today yesterday tomorrow -
        case -
            set words --iso --json --format --units --phrase-only
        case '*'
            return 1
    end
    contains -- $word $words; or return 1
    # Left out: the options given, and those that exclude one given.
    set -l left $given
    for option in $given
        switch $option
            case --iso
                set -a left --json --format
            case --json
                set -a left --iso --format
            case --format
                set -a left --iso --json
            case --units
                set -a left --phrase-only
            case --phrase-only
                set -a left --units
        end
    end
    not contains -- $word $left
end

# True when the word being typed is the value of the option Option, after
# it or after its "=".
function __morvane_calc_value_of --argument-names option
    set -l tokens (commandline -opc)
    string match -q -- "$option=*" (commandline -ct); and return 0
    test (count $tokens) -ge 2; and test "$tokens[-1]" = $option
end

# The names --units takes, after those already in the list being typed.
function __morvane_calc_units
    set -l typed (commandline -ct)
    set -l listed (string replace -r '[^,=]*$' '' -- $typed)
    set -l names (string replace -r '^--units=' '' -- $listed)
    for name in days weekdays weeks fortnights months years phrase
        string match -q -- "*,$name,*" ",$names"; or echo $listed$name
    end
end

complete -c morvane-calc -f
complete -c morvane-calc -n '__morvane_calc_offers diff' -a diff -d 'how far apart two dates are'
complete -c morvane-calc -n '__morvane_calc_offers add' -a add -d 'the date the amounts lead to'
complete -c morvane-calc -n '__morvane_calc_offers -' -a - -d 'one calculation per line of standard input'
for date in today yesterday tomorrow
    complete -c morvane-calc -n "__morvane_calc_offers $date" -a $date
end
for unit in days weekdays weeks fortnights months years
    complete -c morvane-calc -n "__morvane_calc_offers --$unit" -l $unit -x -d "$unit to add (negative to take away)"
end
complete -c morvane-calc -n '__morvane_calc_offers --iso' -l iso -d 'a new date as YYYY-MM-DD, a difference on one line'
complete -c morvane-calc -n '__morvane_calc_offers --json' -l json -d 'each result as one JSON object on one line'
complete -c morvane-calc -n '__morvane_calc_offers --format' -l format -x -d 'a new date written with FMT (%Y %m %d %e %j %A %a %B %b %u %V %G %F %%)'
complete -c morvane-calc -n '__morvane_calc_offers --units' -l units -x -a '(__morvane_calc_units)' -d 'what a difference shows, in order'
complete -c morvane-calc -n '__morvane_calc_value_of --units' -a '(__morvane_calc_units)'
complete -c morvane-calc -n '__morvane_calc_offers --phrase-only' -l phrase-only -d 'a difference in words only'
complete -c morvane-calc -n '__morvane_calc_offers --help' -s h -l help -d 'show the help'
complete -c morvane-calc -n '__morvane_calc_offers --version' -s v -l version -d 'show the version and copyright'
