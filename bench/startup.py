#!/usr/bin/env python3
"""Start-up figures of the real program: time from the process start to the main window shown
with today's page loaded, and resident memory then; with a diary of 10 pages and of 20 years.

Usage: startup.py <build folder> [runs]. Prints one line per figure as scripts/bench does and
exits 1 when one is over its budget. Runs its own Xvfb; writes only below a temporary folder.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DIARIES = (10, 7300)  # daily pages up to today: 7,300 are 20 years
PAGE_BYTES = 5 << 10


def start_xvfb(folder):
    """A private X display, as the end-to-end tests use: no window manager."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL,
        stderr=open(os.path.join(folder, "xvfb.log"), "w"))
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        xvfb.kill()
        sys.exit("startup.py: Xvfb did not start")
    return xvfb, ":" + number


def installation(build, folder, pages):
    """An installation folder with the program's resources and a diary, and its settings."""
    home = os.path.join(folder, "home")
    shutil.copytree(os.path.join(ROOT, "resources"), home,
                    ignore=shutil.ignore_patterns("CMakeLists.txt"))
    registry = os.path.join(folder, "registry.sqlite3")
    subprocess.run([os.path.join(build, "bench", "quillet_makediary"), registry, home, "ann",
                    str(pages), str(PAGE_BYTES)], check=True)
    config = os.path.join(folder, "config")
    runtime = os.path.join(folder, "runtime")
    os.mkdir(config)
    os.mkdir(runtime, 0o700)
    return {"QUILLET_HOME": home, "QUILLET_REGISTRY": registry, "XDG_CONFIG_HOME": config,
            "XDG_RUNTIME_DIR": runtime}


def start_once(build, environment):
    """Milliseconds to the main window, and resident kB half a second later."""
    result = subprocess.run(
        [os.path.join(build, "bench", "quillet_startmeter"), "--",
         os.path.join(build, "quillet")],
        env=environment, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("startup.py: " + result.stderr.strip())
    ms, kb = result.stdout.split()
    return float(ms), int(kb)


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build-bench"))
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    folder = tempfile.mkdtemp(prefix="quillet-startup-")
    xvfb = None
    try:
        xvfb, display = start_xvfb(folder)
        environments = {}
        for pages in DIARIES:
            diary = os.path.join(folder, str(pages))
            os.mkdir(diary)
            environments[pages] = dict(os.environ, DISPLAY=display,
                                       **installation(build, diary, pages))
        times = {pages: [] for pages in DIARIES}
        resident = {pages: [] for pages in DIARIES}
        # One start of each first warms the font and file caches; then the diaries take
        # turns, so that a busy moment of the machine falls on both alike.
        for pages in DIARIES:
            start_once(build, environments[pages])
        for _ in range(runs):
            for pages in DIARIES:
                ms, kb = start_once(build, environments[pages])
                times[pages].append(ms)
                resident[pages].append(kb)
    finally:
        if xvfb:
            xvfb.kill()
            xvfb.wait()
        shutil.rmtree(folder, ignore_errors=True)

    small, large = (statistics.median(times[pages]) for pages in DIARIES)
    # The larger of the two diaries' medians.
    memory = max(statistics.median(resident[pages]) for pages in DIARIES) / 1024
    figures = [
        (f"startup ({DIARIES[0]} pages)", f"{small:.1f} ms", small < 200, "< 200 ms"),
        # No slower than the small diary, with a fifth to spare for the noise of single starts.
        (f"startup ({DIARIES[1]} pages)", f"{large:.1f} ms", large < small * 1.2,
         f"< {small * 1.2:.1f} ms (10 pages +20 %)"),
        ("resident memory after start", f"{memory:.1f} MB", memory < 80, "< 80 MB"),
    ]
    for name, shown, ok, budget in figures:
        print(f"{name:40} {shown:>14}   {budget:>10}   {'ok' if ok else 'OVER BUDGET'}")
    return 0 if all(ok for _, _, ok, _ in figures) else 1


if __name__ == "__main__":
    sys.exit(main())
