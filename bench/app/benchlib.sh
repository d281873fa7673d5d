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
