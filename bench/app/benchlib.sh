# Shared by the benchmark scripts of the running program (sourced after `work` is set).

# Starts Xvfb on a free display of 1920x1080, exports DISPLAY, and sets xvfb to its pid.
bench_start_display() {
    local display=90
    while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$display"
    until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
}

# The median of the numbers on standard input, one a line.
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# Whether the process with this id listens on an abstract local socket (a running copy's
# instance socket); other copies listening on the machine do not count.
bench_listens() { # pid
    local inode
    for inode in $(find "/proc/$1/fd" -lname 'socket:*' -printf '%l\n' 2>/dev/null | tr -dc '0-9\n'); do
        awk -v inode="$inode" '$7 == inode && $4 == "00010000" && $8 ~ /^@/ {found = 1} END {exit !found}' \
            /proc/net/unix && return 0
    done
    return 1
}

# Waits until the process listens (see bench_listens); fails when it ends first.
bench_wait_listening() { # pid
    until bench_listens "$1"; do
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
}
