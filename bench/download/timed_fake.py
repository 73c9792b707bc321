# Runs the scripted fake downloader and appends the child's own lifetime
# (from its start by the kernel to its exit, on the boot clock) to the file
# named by TW_BENCH_TIMES, one "start end" line in seconds.
import os
import runpy
import sys
import time


def started_at():
    with open("/proc/self/stat") as f:
        stat = f.read()
    fields = stat[stat.rindex(")") + 2:].split()
    return int(fields[19]) / os.sysconf("SC_CLK_TCK")


def main():
    start = started_at()
    code = 0
    try:
        runpy.run_path(os.environ["TW_BENCH_FAKE"], run_name="__main__")
    except SystemExit as e:
        code = e.code if isinstance(e.code, int) else 0
    sys.stdout.flush()
    sys.stderr.flush()
    end = time.clock_gettime(time.CLOCK_BOOTTIME)
    with open(os.environ["TW_BENCH_TIMES"], "a") as f:
        f.write("%.6f %.6f\n" % (start, end))
    # End here, so that the lifetime written is the child's whole life (the
    # interpreter's tidying up would come after it).
    os._exit(code)


main()
