"""Measures tessik.exe under Wine (scripts/measure.sh runs it):

- key-to-character latency with the hook translating a letter, against the
  program in the system-default mode passing a plain letter: the median of
  KEYS keys each, in one run, and their ratio;
- BURST keys typed at xdotool's fastest rate in the native mode: whether
  every character arrives, in order;
- the size of tessik.exe and its memory after start.

Latency is from just before xdotool is started to the WM_CHAR in the
typing target, both on the host's clock; xdotool's own start-up is in both
figures alike."""

import re
import statistics
import sys
import time
from pathlib import Path

from tessik_e2e import Session, TypingTarget, host_clock_ms, windows_program
from tessik_program import NATIVE, Tessik, predicted_text

KEYS = 120
BURST = 2000
BURST_WORDS = "fami banGla likhi 1971 kri dam $25 "


def latencies(session: Session, target: TypingTarget, key: str, character: str) -> list:
    """Presses `key` KEYS times, one at a time; the milliseconds until each
    `character` reached the target."""
    results = []
    for _ in range(KEYS):
        seen = target.characters().count(character)
        sent = host_clock_ms()
        session.input.key(key)
        log = target.wait_for_key_log(
            lambda log: sum(1 for m in log if m.message == "WM_CHAR" and chr(m.wparam) == character)
            > seen)
        arrivals = [m.time_ms for m in log if m.message == "WM_CHAR" and chr(m.wparam) == character]
        if len(arrivals) <= seen:
            raise RuntimeError(f"{key!r} did not arrive")
        results.append(arrivals[seen] - sent)
        time.sleep(0.02)
    return results


def measure_latency() -> str:
    with Session("measure-latency") as session:
        tessik = Tessik(session).start()
        target = TypingTarget(session).start()
        target.focus()
        plain = latencies(session, target, "k", "k")
        tessik.press_hot_key()
        tessik.wait_for_tray_icon(NATIVE)
        target.focus()
        translated = latencies(session, target, "k", "\u0995")
    plain_median, translated_median = statistics.median(plain), statistics.median(translated)
    return (f"latency, median of {KEYS} keys each: system default {plain_median:.1f} ms, "
            f"translated {translated_median:.1f} ms, ratio {translated_median / plain_median:.2f}")


def measure_burst() -> str:
    with Session("measure-burst") as session:
        tessik = Tessik(session).start()
        target = TypingTarget(session).start()
        target.focus()
        tessik.press_hot_key()
        tessik.wait_for_tray_icon(NATIVE)
        text = (BURST_WORDS * (BURST // len(BURST_WORDS) + 1))[:BURST]
        expected = predicted_text(tessik.layouts / "Default", text)
        started = time.monotonic()
        session.input.type(text, delay_ms=0)
        typed = time.monotonic() - started
        arrived = target.wait_for_text(expected, timeout=60)
    verdict = "all arrived, in order" if arrived == expected else (
        f"MISMATCH: {len(arrived)} characters arrived, {len(expected)} expected")
    return f"{BURST} keys at xdotool's fastest rate ({typed:.1f} s): {verdict}"


def program_memory(program: Path) -> dict:
    """The /proc status figures of the Wine process running `program`."""
    # Wine keeps the path the program was started with as the command.
    wanted = program.resolve()
    for status in Path("/proc").glob("[0-9]*/status"):
        try:
            command = (status.parent / "cmdline").read_bytes().split(b"\0")[0].decode(errors="replace")
            if (status.parent / "cwd").resolve().joinpath(command).resolve() == wanted:
                return dict(re.findall(r"^(\w+):\s+(.*)$", status.read_text(), re.M))
        except OSError:
            continue
    raise RuntimeError(f"{program} is not running")


def measure_size_and_memory() -> str:
    size = windows_program(Tessik.PROGRAM).stat().st_size
    with Session("measure-memory") as session:
        tessik = Tessik(session).start()
        time.sleep(2)
        memory = program_memory(tessik.folder / Tessik.PROGRAM)
    return (f"tessik.exe: {size / 1024:.0f} KiB; after start, private (anonymous) resident memory "
            f"{memory['RssAnon']}, resident in all {memory['VmRSS']} (Wine's own libraries included)")


def main() -> int:
    for measure in (measure_size_and_memory, measure_latency, measure_burst):
        print(measure(), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
