#!/usr/bin/env python3
"""Runs Quorvel's benchmarks and prints one table. scripts/bench calls it once it has built what
is measured and started a private display and the Wine prefix; see docs/PERFORMANCE.md.

Everything is measured in one run, so that the paced and the unpaced loop, Quorvel and its peer
gpick, and Quorvel and a one-window program meet the same machine at the same moment. CPU time
comes from /proc (the sum of every thread's run time in /proc/PID/task/*/schedstat, in
nanoseconds); the Wine server's share is its own CPU time over the same span. Nothing is judged:
the figures are printed, and the targets stand beside them.
"""

import argparse
import os
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
PARK = (900, 700)  # away from every window the benchmarks put up


def log(text):
    print(f"== {text}", file=sys.stderr, flush=True)


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def cpu_ns(pid):
    """CPU time of every live thread of `pid`, in nanoseconds."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            total += int((task / "schedstat").read_text().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return total


def memory_kib(pid, field):
    """A field of /proc/PID/status such as VmRSS (resident) or VmHWM (resident peak), in KiB."""
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith(field + ":"):
            return int(line.split()[1])
    raise KeyError(field)


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))]


class WinePrefix:
    """The prefix's server and the programs run in it."""

    def __init__(self):
        self.env = dict(os.environ, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")

    def __enter__(self):
        # One server for the whole run: by default it ends with the last program, and the next
        # program could meet it on its way out.
        subprocess.run([WINESERVER, "-p"], env=self.env, check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        return self

    def __exit__(self, *exc):
        subprocess.run([WINESERVER, "-k"], env=self.env)

    def server_pid(self):
        """The wineserver of this prefix: its working folder is named after the prefix's device
        and inode."""
        info = os.stat(self.env["WINEPREFIX"])
        folder = f"server-{info.st_dev:x}-{info.st_ino:x}"
        for proc in Path("/proc").iterdir():
            if not proc.name.isdigit():
                continue
            try:
                if (proc / "comm").read_text().startswith("wineserver") and os.path.basename(
                    os.readlink(proc / "cwd")) == folder:
                    return int(proc.name)
            except (FileNotFoundError, PermissionError, ProcessLookupError):
                continue
        raise RuntimeError("no wineserver for " + self.env["WINEPREFIX"])

    def start(self, exe):
        """Starts a Windows program from its own folder; the Unix process is the program."""
        return subprocess.Popen([WINE, exe.name], cwd=exe.parent, env=self.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop(self, process):
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def run_windows(prefix, command, timeout):
    """Runs a Windows program to its end and returns what it printed. Its output goes through
    files, not pipes: Wine's own services, started with the first program, inherit the output
    and would hold a pipe open long after the program has ended."""
    with tempfile.TemporaryFile("w+") as out, tempfile.TemporaryFile("w+") as err:
        returncode = subprocess.run([WINE, *command], env=prefix.env, stdout=out, stderr=err,
                                    timeout=timeout).returncode
        out.seek(0)
        err.seek(0)
        if returncode != 0:
            raise RuntimeError(f"{' '.join(command)}: {err.read().strip()}")
        return out.read()


class Driver:
    """bench/quorvel_bench_driver.exe of one Windows build."""

    def __init__(self, prefix, build):
        self.prefix = prefix
        self.exe = build / "bench" / "quorvel_bench_driver.exe"

    def run(self, *args, timeout=120):
        return run_windows(self.prefix, [str(self.exe), *map(str, args)], timeout)

    def start(self, *args):
        return subprocess.Popen([WINE, str(self.exe), *map(str, args)], env=self.prefix.env,
                                stdout=subprocess.DEVNULL)


def cpu_share(pids, span, during=None):
    """Each process's CPU time over `span` seconds as a share of one core, in per cent. `during`
    is started just before the span and waited for after it."""
    side = during() if during else None
    before = {pid: cpu_ns(pid) for pid in pids}
    start = time.monotonic()
    time.sleep(span)
    after = {pid: cpu_ns(pid) for pid in pids}
    elapsed = time.monotonic() - start
    if side:
        side.wait()
    return [100 * (after[pid] - before[pid]) / (elapsed * 1e9) for pid in pids]


class Results:
    def __init__(self):
        self.rows = []

    def section(self, title):
        self.rows.append((title,))

    def add(self, what, figure, note=""):
        self.rows.append((what, figure, note))

    def print(self):
        width = max(len(r[0]) for r in self.rows if len(r) == 3) + 2
        fig = max(len(r[1]) for r in self.rows if len(r) == 3) + 2
        for row in self.rows:
            if len(row) == 1:
                print(f"\n{row[0]}")
                print("-" * len(row[0]))
            else:
                print(f"  {row[0]:<{width}}{row[1]:>{fig}}  {row[2]}".rstrip())


def measure_idle_costs(prefix, build, span):
    """CPU shares (program, wineserver) of one build with the pointer still, minimised, with the
    About box open and while the pointer moves; and the program's resident memory, now and at
    its peak."""
    driver = Driver(prefix, build)
    program = prefix.start(build / "app" / "Quorvel.exe")
    try:
        driver.run("ready")
        server = prefix.server_pid()
        pids = [program.pid, server]
        shares = {}
        driver.run("park", *PARK)
        time.sleep(2)  # past the pacer's busy spell after the last move
        shares["pointer still"] = cpu_share(pids, span)
        driver.run("minimise")
        time.sleep(2)
        shares["minimised"] = cpu_share(pids, span)
        driver.run("restore")
        driver.run("about-open")
        time.sleep(2)
        shares["About box open"] = cpu_share(pids, span)
        driver.run("about-close")
        shares["pointer moving"] = cpu_share(
            pids, span, during=lambda: driver.start("sweep", int(span * 1000) + 1500))
        resident, peak = memory_kib(program.pid, "VmRSS"), memory_kib(program.pid, "VmHWM")
    finally:
        prefix.stop(program)
    return shares, resident, peak


def wine_floor(prefix, build, span):
    """The Wine server's share while only the one-window program runs in the prefix."""
    program = prefix.start(build / "bench" / "minimal_window.exe")
    try:
        time.sleep(3)
        own, server = cpu_share([program.pid, prefix.server_pid()], span)
        resident = memory_kib(program.pid, "VmRSS")
    finally:
        prefix.stop(program)
    return own, server, resident


def measure_latency(prefix, build, moves):
    output = Driver(prefix, build).run(
        "latency", windows_path(build / "app" / "Quorvel.exe"), moves, timeout=1800)
    samples, timeouts = [], 0
    for line in output.splitlines():
        fields = line.split()
        if fields[:1] != ["move"]:
            continue
        if fields[1] == "timeout":
            timeouts += 1
        else:
            samples.append(float(fields[1]))
    return samples, timeouts


def latency_figure(samples, timeouts):
    text = (f"median {statistics.median(samples):.1f}, p95 {percentile(samples, 0.95):.1f}, "
            f"max {max(samples):.1f} ms")
    return text + (f", {timeouts} timed out" if timeouts else "")


def measure_startup(prefix, build, runs):
    output = Driver(prefix, build).run(
        "startup", windows_path(build / "app" / "Quorvel.exe"),
        windows_path(build / "bench" / "minimal_window.exe"), runs)
    times = {"quorvel": [], "minimal": []}
    for line in output.splitlines():
        kind, program, ms = line.split()
        if kind == "startup" and float(ms) >= 0:
            times[program].append(float(ms))
    return statistics.median(times["quorvel"]), statistics.median(times["minimal"])


def measure_gpick(prefix, paced, span):
    """gpick's CPU share with the pointer still and moving (moved by the same driver that moves it
    for Quorvel, in the same round, but over gpick's window and with no window of the driver's,
    since gpick follows the pointer only while it has the focus), and its resident memory."""
    home = tempfile.mkdtemp(prefix="quorvel-gpick-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, NO_AT_BRIDGE="1")
    gpick = subprocess.Popen(["gpick"], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    try:
        time.sleep(5)
        still = cpu_share([gpick.pid], span)[0]
        moving = cpu_share([gpick.pid], span,
                           during=lambda: Driver(prefix, paced).start("sweep-bare",
                                                                      int(span * 1000) + 1500))[0]
        resident = memory_kib(gpick.pid, "VmRSS")
    finally:
        gpick.terminate()
        gpick.wait(timeout=10)
    return still, moving, resident


def markup_throughput(bench_build):
    result = subprocess.run(
        [str(bench_build / "bench" / "markup_parse_bench"), "--benchmark_min_time=0.5",
         "--benchmark_format=csv"], capture_output=True, text=True, check=True)
    rates = []
    for line in result.stdout.splitlines():
        match = re.match(r'"ParseMarkup/(\w+)/(\d+)",(?:[^,]*,){3}[^,]*,([\d.e+]+),', line)
        if match:
            rates.append((f"{match[1]}, {int(match[2]) >> 20} MiB", float(match[3]) / 1e6))
    return rates


def draw_times(prefix, build):
    times = []
    for line in run_windows(prefix, [str(build / "bench" / "draw_bench.exe")], 600).splitlines():
        match = re.match(r"(.+?)\s+(\d+)\s+([\d.]+)\s+([\d.]+)", line)
        if match:
            times.append((match[1], int(match[2]), float(match[3])))
    return times


def measure_everything(prefix, args):
    paced, unpaced = args.build / "win64", args.build / "win64-unpaced"
    m = {}
    log("latency: paced loop")
    m["paced latency"] = measure_latency(prefix, paced, args.moves)
    log("latency: unpaced loop")
    m["unpaced latency"] = measure_latency(prefix, unpaced, args.moves)
    log("CPU: Wine's floor, with only the one-window program")
    m["floor"] = wine_floor(prefix, paced, args.span)
    log("CPU: paced loop")
    m["paced"] = measure_idle_costs(prefix, paced, args.span)
    log("CPU: unpaced loop")
    m["unpaced"] = measure_idle_costs(prefix, unpaced, args.span)
    log("gpick")
    m["gpick"] = measure_gpick(prefix, paced, args.span)
    log("start-up")
    m["start-up"] = measure_startup(prefix, paced, args.starts)
    log("markup parsing and drawing")
    m["parsing"] = markup_throughput(args.build / "bench")
    m["drawing"] = draw_times(prefix, paced)
    return m


def report(m, args):
    results = Results()
    results.section(f"Readout latency, pointer move to new hex code on screen ({args.moves} moves)")
    results.add("paced loop", latency_figure(*m["paced latency"]), "target: p95 < 16 ms")
    results.add("unpaced loop", latency_figure(*m["unpaced latency"]))

    paced_costs, paced_rss, paced_peak = m["paced"]
    unpaced_costs = m["unpaced"][0]
    results.section(f"CPU, share of one core over {args.span:g} s (program + wineserver)")
    for scene in paced_costs:
        p_own, p_server = paced_costs[scene]
        u_own, u_server = unpaced_costs[scene]
        p_total, u_total = p_own + p_server, u_own + u_server
        results.add(f"{scene}, paced", f"{p_total:.2f} %", f"{p_own:.2f} + {p_server:.2f}")
        results.add(f"{scene}, unpaced", f"{u_total:.2f} %",
                    f"{u_own:.2f} + {u_server:.2f}; x{u_total / p_total:.0f} the paced loop")
    floor_own, floor_server, minimal_rss = m["floor"]
    results.add("one-window program (Wine's floor)", f"{floor_own + floor_server:.2f} %",
                f"{floor_own:.2f} + {floor_server:.2f}")
    results.add("target, pointer still", "<= 0.50 %")

    gpick_still, gpick_moving, gpick_rss = m["gpick"]
    results.section("Peer: gpick on the same display")
    results.add("gpick, pointer still", f"{gpick_still:.2f} %",
                f"Quorvel {sum(paced_costs['pointer still']):.2f} %")
    results.add("gpick, pointer moving", f"{gpick_moving:.2f} %",
                f"Quorvel {sum(paced_costs['pointer moving']):.2f} %")
    results.add("gpick, resident memory", f"{gpick_rss / 1024:.1f} MiB",
                f"Quorvel {paced_rss / 1024:.1f} MiB, one-window program {minimal_rss / 1024:.1f}")

    quorvel_start, minimal_start = m["start-up"]
    results.section(f"Start-up to the first readout (median of {args.starts})")
    results.add("Quorvel", f"{quorvel_start:.0f} ms",
                f"one-window program {minimal_start:.0f} ms: x{quorvel_start / minimal_start:.2f}")

    results.section("Markup")
    for name, rate in m["parsing"]:
        results.add(f"parse, {name}", f"{rate:.0f} MB/s")
    for name, size, ms in m["drawing"]:
        results.add(f"Draw, {name}", f"{ms:.3f} ms", f"{size} bytes")

    results.section("Size")
    for arch, build in (("32-bit", args.build / "win32"), ("64-bit", args.build / "win64")):
        size = (build / "app" / "Quorvel.exe").stat().st_size
        results.add(f"Quorvel.exe, {arch}", f"{size / 1024:.0f} KiB",
                    "target: < 1024 KiB" if arch == "32-bit" else "")
    results.add("peak working set, 64-bit under Wine", f"{paced_peak / 1024:.1f} MiB",
                "resident peak over the CPU measurements, About box included")
    results.print()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", type=Path, required=True, help="the build/ folder")
    parser.add_argument("--span", type=float, default=20, help="seconds per CPU measurement")
    parser.add_argument("--moves", type=int, default=300, help="pointer moves per latency run")
    parser.add_argument("--starts", type=int, default=10, help="starts per program")
    args = parser.parse_args()
    with WinePrefix() as prefix:
        measurements = measure_everything(prefix, args)
    report(measurements, args)


if __name__ == "__main__":
    main()
