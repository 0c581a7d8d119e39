"""Layout files for tests: records of a 4-byte little-endian code, a 2-byte
little-endian label length and the label's ASCII bytes, 55 to a file."""

import struct
from pathlib import Path

RECORDS_PER_FILE = 55


def write_layout(path: Path, assignments: dict) -> None:
    """Writes a layout assigning code values to key labels ("k ",
    "Shift + R", ...); the remaining records assign nothing."""
    if len(assignments) > RECORDS_PER_FILE:
        raise ValueError("a layout holds at most 55 assignments")
    records = [(code, label) for label, code in assignments.items()]
    records += [(0, "")] * (RECORDS_PER_FILE - len(records))
    data = b"".join(struct.pack("<iH", code, len(label)) + label.encode("ascii")
                    for code, label in records)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
