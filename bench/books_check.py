#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the books kelpmark-sim prints add up: for every month the opening
plus the month's amounts is the closing, each closing is the next month's
opening, the months follow one another, and the last closing is the money the
dump shows right after.

    bench/books_check.py SIM LOG...             # logs the runner has written
    bench/books_check.py SIM --games 1000       # random year-long games

The random games are those of compare_runners.py with `books` printed before
every dump and at random moments.
"""
import argparse
import os
import random
import subprocess
import sys
import tempfile
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compare_runners  # noqa: E402

CATEGORIES = ("sales building_sales sales_tax fish terminal wages upkeep overdraft profit_tax "
              "hiring construction repairs campaigns staff_measures").split()


def amount(text):
    # Exact, a decimal point, no trailing zeros after it, no point for a whole amount.
    value = Decimal(text)
    if text != format(value.normalize(), "f") and not (text == "0" and value == 0):
        raise ValueError("amount not in its shortest form: " + text)
    return value


def check(log):
    """Problems found in one log, and the number of books printed."""
    problems = []
    lines = log.splitlines()
    books = 0
    i = 0
    while i < len(lines):
        if lines[i] != "--- books":
            i += 1
            continue
        books += 1
        i += 1
        months = []
        while lines[i] != "--- end":
            words = lines[i].split()
            if words[0] == "month":
                mm, yyyy = words[1].split(".")
                months.append([int(yyyy) * 12 + int(mm) - 1, amount(words[3]), amount(words[5]), [], words[1]])
            elif words[0] in CATEGORIES and len(words) == 2 and months:
                months[-1][3].append((CATEGORIES.index(words[0]), amount(words[1])))
            else:
                problems.append("line %d: %s" % (i + 1, lines[i]))
            i += 1
        for k, (index, opening, closing, amounts, name) in enumerate(months):
            order = [c for c, _ in amounts]
            if order != sorted(set(order)) or any(a == 0 for _, a in amounts):
                problems.append("%s: categories out of order, repeated or zero" % name)
            if opening + sum(a for _, a in amounts) != closing:
                problems.append("%s: %s plus the amounts is not %s" % (name, opening, closing))
            if k > 0 and (index != months[k - 1][0] + 1 or opening != months[k - 1][2]):
                problems.append("%s does not follow %s" % (name, months[k - 1][4]))
        if i + 1 < len(lines) and lines[i + 1] == "--- dump" and months:
            money = next(l for l in lines[i + 1:] if l.startswith("label: MoneyLbl "))
            if amount(money.split("$")[-1]) != months[-1][2]:
                problems.append("last closing %s, the dump shows %s" % (months[-1][2], money))
        i += 1
    return problems, books


def random_script(rng):
    lines = compare_runners.script(rng).splitlines()
    out = []
    for line in lines:
        if line == "dump" or rng.random() < 0.01:
            out.append("books")
        out.append(line)
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("sim")
    parser.add_argument("logs", nargs="*")
    parser.add_argument("--games", type=int, default=0)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    failed = 0
    printed = 0
    for path in args.logs:
        with open(path, encoding="utf-8") as f:
            problems, books = check(f.read())
        printed += books
        for p in problems:
            print("%s: %s" % (path, p))
        failed += bool(problems)
    rng = random.Random(args.seed)
    with tempfile.TemporaryDirectory(prefix="kelpmark-books-") as folder:
        for n in range(args.games):
            path = os.path.join(folder, "game%04d.txt" % n)
            with open(path, "w") as f:
                f.write(random_script(rng))
            done = subprocess.run([os.path.abspath(args.sim), path], cwd=folder, capture_output=True)
            problems, books = check(done.stdout.decode("utf-8"))
            if done.returncode != 0:
                problems.append("exit status %d" % done.returncode)
            printed += books
            for p in problems:
                print("game %d (seed %d): %s" % (n, args.seed, p))
            failed += bool(problems)
    print("%d logs and %d games, %d books printed, %d failed" % (len(args.logs), args.games, printed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
