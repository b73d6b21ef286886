# Sourced by the benchmark scripts. start_platform xvfb|offscreen selects Qt's
# platform; for xvfb it first starts a server on a free display and leaves its
# PID in $xvfb for the caller to stop.
start_platform() {
    xvfb=
    if [ "$1" = xvfb ]; then
        local display=:$((90 + RANDOM % 100))
        Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb=$!
        export DISPLAY=$display QT_QPA_PLATFORM=xcb
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X${display#:}" ] && break
            sleep 0.1
        done
    else
        export QT_QPA_PLATFORM=offscreen
    fi
}
