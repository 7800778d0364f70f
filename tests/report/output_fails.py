"""gemwright-report when standard output cannot take the report: a full device or a closed
descriptor ends it with status 1 and one line on standard error naming the cause; a reader that
has gone away ends it quietly, by SIGPIPE, or, where SIGPIPE is ignored, with status 1.

    python3 output_fails.py <gemwright-report> <example set>
"""
import os
import signal
import subprocess
import sys

report, example = sys.argv[1], sys.argv[2]
failures = []


def run(name, args, expected_status, expected_error, stdout=None, **options):
    done = subprocess.run([report] + args, stdout=stdout, stderr=subprocess.PIPE, **options)
    error = done.stderr.decode()
    lines = error.splitlines()
    if done.returncode != expected_status or (
            expected_error is None and error) or (
            expected_error is not None and (len(lines) != 1 or expected_error not in lines[0])):
        failures.append(f"{name}: status {done.returncode}, standard error {error!r}")


with open("/dev/full", "wb") as full:
    for args in ([example], ["--format", "json", example], ["--version"], ["--help"]):
        run(f"{args} to /dev/full", args, 1,
            "gemwright-report: cannot write to standard output: No space left on device",
            stdout=full)

# Standard output closed before the program starts; the data files it opens must not take its
# place.
run("closed standard output", [example], 1,
    "gemwright-report: cannot write to standard output: Bad file descriptor",
    preexec_fn=lambda: os.close(1))

# A pipe whose reader is already gone.
read_end, write_end = os.pipe()
os.close(read_end)
run("broken pipe", [example], -signal.SIGPIPE, None, stdout=write_end)
run("broken pipe, SIGPIPE ignored", [example], 1, None, stdout=write_end, restore_signals=False)
os.close(write_end)

# Where the output is taken, nothing is said.
with open(os.devnull, "wb") as null:
    run("to /dev/null", [example], 0, None, stdout=null)

if failures:
    print("\n".join(failures))
    sys.exit(1)
