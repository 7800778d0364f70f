"""gemwright-workshop where no window can be opened: one line on standard error and status 1, no
abort and none of Qt's advice to reinstall.

    python3 no_display.py <gemwright-workshop>
"""
import os
import subprocess
import sys

program = sys.argv[1]
prefix = "gemwright-workshop: cannot open a window: "
# A display number that no X server serves here.
free_display = next(f":{n}" for n in range(7319, 7400)
                    if not os.path.exists(f"/tmp/.X11-unix/X{n}"))

cases = [
    ("no display at all", {}, prefix + "no display (set DISPLAY or WAYLAND_DISPLAY)"),
    ("a display nobody serves", {"DISPLAY": free_display},
     prefix + f"could not connect to display {free_display}"),
    ("no such platform", {"QT_QPA_PLATFORM": "no-such-platform"},
     prefix + 'Could not find the Qt platform plugin "no-such-platform" in ""'),
]
failures = []
for name, variables, expected in cases:
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(variables)
    try:
        done = subprocess.run([program], env=env, capture_output=True, timeout=60)
    except subprocess.TimeoutExpired:
        failures.append(f"{name}: still running after a minute")
        continue
    if done.returncode != 1 or done.stdout or done.stderr.decode() != expected + "\n":
        failures.append(f"{name}: status {done.returncode}, standard output {done.stdout!r}, "
                        f"standard error {done.stderr.decode()!r}")
if failures:
    print("\n".join(failures))
    sys.exit(1)
