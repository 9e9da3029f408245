#!/usr/bin/env python3
"""Opening a large file as a user sees it: from the launch of the program with
the file's name to a window showing the file with the CPU idle, and the
program's resident memory at that moment. Quodex and SciTE (Debian's `scite`,
set to show the same Shift-JIS text coloured) run in turns on one private X
display (Xvfb), so both see the same machine.

    open_bench.py BUILD_DIR FILE [FILE...] [--runs N] [--no-scite]

Ready time: the program's window exists, its title names the file, and the
process then stays quiet (at most two clock ticks of CPU in 0.6 s); the time
reported is the last moment it was busy before that quiet stretch. Resident
memory is VmRSS read at the end of the quiet stretch. Each program is run
once before the measured runs, so that neither pays for first-run caches
(fonts) in the private home folder. Medians are compared at the end.
Needs Xvfb and xdotool (x11 tools); SciTE is skipped when not installed.
"""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

QUIET_SECONDS = 0.6
QUIET_TICKS = 2
POLL = 0.005
TIMEOUT = 60


def cpu_ticks(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def rss_mb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def has_window(env, pid, name):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", name],
                         env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    return bool(out.strip())


def measure(cmd, env, cwd, title):
    log = tempfile.TemporaryFile()
    start = time.monotonic()
    proc = subprocess.Popen(cmd, env=env, cwd=cwd, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
    try:
        history = []  # (time, ticks)
        shown = False
        last_busy = start
        next_window_check = start
        while time.monotonic() - start < TIMEOUT:
            now = time.monotonic()
            ticks = cpu_ticks(proc.pid)
            if history and ticks != history[-1][1]:
                last_busy = now
            history.append((now, ticks))
            if not shown and now >= next_window_check:
                shown = has_window(env, proc.pid, title)
                next_window_check = now + 0.02
            if shown and now - last_busy >= QUIET_SECONDS:
                window = [t for (at, t) in history if at >= now - QUIET_SECONDS]
                if window[-1] - window[0] <= QUIET_TICKS:
                    return last_busy - start, rss_mb(proc.pid)
            time.sleep(POLL)
        log.seek(0)
        raise RuntimeError("%s did not settle within %d s (window shown: %s, exit status %s)\n%s"
                           % (cmd[0], TIMEOUT, shown, proc.poll(), log.read().decode(errors="replace")))
    finally:
        proc.send_signal(signal.SIGKILL)
        proc.wait()
        # SciTE's command pipe outlives a killed SciTE.
        for pipe in ("/tmp/SciTE.%d.in" % proc.pid, "/tmp/SciTE.%d.out" % proc.pid):
            if os.path.exists(pipe):
                os.unlink(pipe)


def quodex_cmd(build, path):
    return [os.path.join(build, "bin", "quodex"), path]


def scite_cmd(path):
    # Not handing the file to another SciTE: each run starts its own.
    return ["scite", "-code.page=932", "-character.set=128", "-lexer.*.lum=cpp", "-check.if.already.open=0", path]


def main():
    args = sys.argv[1:]
    runs = 5
    scite = shutil.which("scite") is not None
    if "--runs" in args:
        i = args.index("--runs")
        runs = int(args[i + 1])
        del args[i:i + 2]
    if "--no-scite" in args:
        args.remove("--no-scite")
        scite = False
    build, files = os.path.abspath(args[0]), [os.path.abspath(f) for f in args[1:]]
    home = tempfile.mkdtemp(prefix="open-bench-")
    # Xvfb picks a free display and names it once it is ready; without
    # -noreset it would refuse connections while it resets after each run.
    ready_read, ready_write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(ready_write), "-screen", "0", "1280x900x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=(ready_write,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(ready_write)
    try:
        with os.fdopen(ready_read) as ready:
            display = ":" + ready.readline().strip()
        for sub in ("config", "run"):
            os.makedirs(os.path.join(home, sub), mode=0o700)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_RUNTIME_DIR=os.path.join(home, "run"), QUODEX_LOCK_DIR=os.path.join(home, "run"),
                   DISPLAY=display, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        programs = [("Quodex", lambda p: quodex_cmd(build, p))]
        if scite:
            programs.append(("SciTE", scite_cmd))
        for name, cmd in programs:
            measure(cmd(files[0]), env, home, os.path.basename(files[0]))
        medians = {}
        for path in files:
            subprocess.run(["cat", path], stdout=subprocess.DEVNULL)  # in the page cache for both
            size_mb = os.path.getsize(path) / 1e6
            results = {name: [] for name, _ in programs}
            for _ in range(runs):
                for name, cmd in programs:
                    results[name].append(measure(cmd(path), env, home, os.path.basename(path)))
            for name, _ in programs:
                times = [t for t, _ in results[name]]
                mems = [m for _, m in results[name]]
                medians[name, path] = (statistics.median(times), statistics.median(mems))
                print("%-6s %7.1f MB: ready median %.2f s (min %.2f, max %.2f), resident median %.0f MB (%s)"
                      % (name, size_mb, statistics.median(times), min(times), max(times),
                         statistics.median(mems), ", ".join("%.2f" % t for t in times)), flush=True)
        for path in files:
            if ("SciTE", path) in medians:
                (qt, qm), (st, sm) = medians["Quodex", path], medians["SciTE", path]
                print("%s: Quodex/SciTE time %.3f, resident memory %.3f" % (os.path.basename(path), qt / st, qm / sm))
        for smaller, larger in zip(files, files[1:]):
            print("Quodex %s/%s: time %.2f for %.2f times the bytes"
                  % (os.path.basename(larger), os.path.basename(smaller),
                     medians["Quodex", larger][0] / medians["Quodex", smaller][0],
                     os.path.getsize(larger) / os.path.getsize(smaller)))
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
