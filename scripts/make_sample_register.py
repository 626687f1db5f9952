#!/usr/bin/env python3
"""Writes a small sample register: make_sample_register.py OUT.twd [YEAR [MONTH]]

A few weeks of an everyday account, in the current file layout, for screenshots and for
trying the program out. Dates are local midnights, as the program keeps them.
"""
import struct
import sys
import time

CHECK, ATM, CARD, TELLER, OTHER = range(5)

# (day, type, check number, description, amount, debit, cleared)
ENTRIES = [
    (1, TELLER, 0, "Paycheck", 2140.00, False, True),
    (2, CHECK, 1041, "Rent - Maple Court Apartments", 1150.00, True, True),
    (3, CARD, 0, "Green Valley Grocery", 84.37, True, True),
    (5, ATM, 0, "Cash", 60.00, True, True),
    (7, CHECK, 1042, "City Water & Power", 72.15, True, True),
    (9, CARD, 0, "Corner Pharmacy", 18.49, True, True),
    (11, OTHER, 0, "Transfer from savings", 250.00, False, True),
    (12, CARD, 0, "Fuel Stop", 41.20, True, False),
    (14, CHECK, 1043, "Northside Dental", 95.00, True, False),
    (15, TELLER, 0, "Paycheck", 2140.00, False, False),
    (16, CARD, 0, "Green Valley Grocery", 112.58, True, False),
    (18, CHECK, 1044, "Insurance premium", 128.40, True, False),
    (19, ATM, 0, "Cash", 40.00, True, False),
    (21, CARD, 0, "Bookshop", 23.95, True, False),
]
DESCRIPTIONS = sorted({e[3] for e in ENTRIES})
START_BALANCE = 812.64


def string(text):
    data = text.encode("cp1252")
    assert len(data) < 0xFF
    return struct.pack("<B", len(data)) + data


def main():
    out = sys.argv[1]
    now = time.localtime()
    year = int(sys.argv[2]) if len(sys.argv) > 2 else now.tm_year
    month = int(sys.argv[3]) if len(sys.argv) > 3 else now.tm_mon
    body = string("3.5TW") + string("")  # version tag, no password
    body += struct.pack("<IHdII", 0, 1045, START_BALANCE, 1, 0)
    body += string("First Riverside Bank") + string("0042-118877") + string("Ann Example")
    for _ in range(4):  # user-defined types: none
        body += struct.pack("<I", 0) + string("") + string("") + struct.pack("<I", 1)
    body += struct.pack("<HHHHI", len(ENTRIES), len(DESCRIPTIONS), 0, 0, 0)
    balance = START_BALANCE
    for day, kind, number, desc, amount, debit, cleared in ENTRIES:
        date = int(time.mktime((year, month, day, 0, 0, 0, 0, 0, -1)))
        balance += -amount if debit else amount
        body += struct.pack("<HI", number, date) + string(desc)
        body += struct.pack("<BdIdI", kind, amount, int(debit), round(balance, 2), int(cleared))
    for desc in DESCRIPTIONS:
        body += string(desc)
    with open(out, "wb") as f:
        f.write(body)


if __name__ == "__main__":
    main()
