# CHANGELOG.md in the format Debian keeps a native package's changelog in.
# Each "## VERSION - YYYY-MM-DD[ HH:MM]" opens an entry, each "- " item is a change,
# and each entry is signed by the package's maintainer on the day it names.
#
#   HELLO_MAINTAINER='NAME <ADDRESS>' awk -v package=NAME -f changelog.awk CHANGELOG.md
#
# The maintainer comes from the environment: awk would read escape
# sequences in a value given with -v.
function sign() {
    if (version != "") {
        cmd = "date -uR -d '" day "'"
        cmd | getline when
        close(cmd)
        printf "\n -- %s  %s\n", ENVIRON["HELLO_MAINTAINER"], when
    }
}
/^## / {
    sign()
    if (version != "") print ""
    version = $2
    day = $4 " " ($5 == "" ? "00:00" : $5)
    printf "%s (%s) unstable; urgency=medium\n\n", package, version
    next
}
version == "" { next }
/^- / { print "  * " substr($0, 3); next }
/^  / { print "  " $0 }
END { sign() }
